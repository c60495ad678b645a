# The project's whole interface: run, test, build.
BUILD ?= build
JOBS ?= 2
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Debian packages the program, its build and its tests need.
PACKAGES := cmake g++ make pkg-config ccache \
            qt6-base-dev libqt6opengl6-dev libqt6svg6 fonts-dejavu-extra qt6-webengine-dev qt6-webchannel-dev libglib2.0-dev \
            xvfb xauth imagemagick trayer desktop-file-utils

.PHONY: run test build deps configure bench

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

bench: build
	./$(BUILD)/bench/ankerhus-bench
