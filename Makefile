# The project's whole interface: run, test, build.
BUILD ?= build
JOBS ?= 2
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Debian packages the program, its build and its tests need.
PACKAGES := cmake g++ make pkg-config ccache \
            qt6-base-dev libqt6opengl6-dev qt6-svg-dev fonts-dejavu-extra qt6-webengine-dev qt6-webchannel-dev libglib2.0-dev libxcb-damage0-dev \
            xvfb xauth openbox imagemagick trayer xdotool desktop-file-utils appstream man-db locales-all qt6-translations-l10n libgumbo-dev libqt6sql6-sqlite firefox-esr

# For `make fuzz` only: clang with libFuzzer and the sanitizers' runtimes, and the
# symbolizer that puts file and line into their reports.
FUZZ_PACKAGES := clang libclang-rt-14-dev llvm-14
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := element elementfil liste hovedopt adminopt infoopt urlopt struktur soegning navne adresse kanal bogmaerkehtml chromium

# For `make pakke-test` only: builds a clean Debian 12 to install the package in.
PAKKE_TEST_PACKAGES := debootstrap

.PHONY: run test test-sanitizer build deps configure bench fuzz package pakke-test

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DANKERHUS_WERROR=ON

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/ankerhus

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory test-sanitizer

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer in a folder of
# its own; any report fails its test.
SANITIZER_BUILD ?= build-sanitizer
test-sanitizer: deps
	cmake -S . -B $(SANITIZER_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DANKERHUS_WERROR=ON -DANKERHUS_SANITIZE=ON
	cmake --build $(SANITIZER_BUILD) -j$(JOBS)
	cd $(SANITIZER_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# FIGURES="find load" runs only those groups of figures (their names' first word).
FIGURES ?=
bench: build
	./$(BUILD)/bench/ankerhus-bench $(FIGURES)

# Pictures of every window in the styles Sky and Carbon, in $(SKAERMBILLEDER)/<style>/;
# SCALE=2 gives those of a screen with twice the pixels per point, in a folder of their own.
SCALE ?= 1
SKAERMBILLEDER ?= $(BUILD)/skaermbilleder$(if $(filter 1,$(SCALE)),,-x$(SCALE))
.PHONY: screenshots
screenshots: build
	tools/skaermbilleder.sh ./$(BUILD)/ankerhus-skaermbilleder $(SKAERMBILLEDER) $(SCALE)

# The Debian package, in $(BUILD)/.
package: build
	cmake --build $(BUILD) --target package

# Installs the package in a fresh Debian 12 under /tmp and starts it there (slow; root).
pakke-test: package
	@$(MAKE) --no-print-directory deps PACKAGES="$(PAKKE_TEST_PACKAGES)"
	dist/pakke_test.sh $(BUILD)

# Each target runs FUZZ_SECONDS on a working corpus in the fuzz build, seeded from
# fuzz/korpus; an input that crashes or hangs is kept in tests/fuzzfund/<target>/,
# where the test suite replays it.
fuzz: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DANKERHUS_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	@fejl=; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/korpus/$$t tests/fuzzfund/$$t; \
	  cp -n fuzz/korpus/$$t/* $(FUZZ_BUILD)/korpus/$$t/ 2>/dev/null; \
	  echo "== $$t: $(FUZZ_SECONDS) s"; \
	  TMPDIR=$$([ -w /dev/shm ] && echo /dev/shm || echo /tmp) QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp \
	    ./$(FUZZ_BUILD)/fuzz/fuzz-$$t -max_total_time=$(FUZZ_SECONDS) \
	    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -dict=fuzz/tekst.dict \
	    -artifact_prefix=tests/fuzzfund/$$t/ $(FUZZ_BUILD)/korpus/$$t \
	    2>$(FUZZ_BUILD)/fuzz-$$t.log || fejl="$$fejl $$t"; \
	  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)|^(==[0-9]+==ERROR|SUMMARY|Regel brudt)' $(FUZZ_BUILD)/fuzz-$$t.log; \
	  echo "corpus: $$(ls $(FUZZ_BUILD)/korpus/$$t | wc -l) files"; \
	done; \
	if [ -n "$$fejl" ]; then echo "Fund i:$$fejl (see $(FUZZ_BUILD)/fuzz-<target>.log and tests/fuzzfund/)"; exit 1; fi
