// Every input the fuzz programs ever found, and every seed they start from, run through
// its reader again: nothing may crash, and each reader's rules for damaged input hold.

#include "fuzz/maal.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <exception>

class TstFuzzfund : public QObject {
    Q_OBJECT
private slots:
    void hvertMaal_harEtKorpus();
    void gemtInput_bryderIngenRegel_data();
    void gemtInput_bryderIngenRegel();
};

namespace {
const QString kKilde = QStringLiteral(ANKERHUS_KILDE);
const QStringList kSamlinger = {QStringLiteral("tests/fuzzfund"), QStringLiteral("fuzz/korpus")};

QStringList filer(const QString &mappe) {
    return QDir(mappe).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
} // namespace

// A target with no seeds would be skipped below without a word.
void TstFuzzfund::hvertMaal_harEtKorpus() {
    for (const Fuzznavn &m : alleFuzzmaal())
        QVERIFY2(!filer(kKilde + QStringLiteral("/fuzz/korpus/") + QLatin1String(m.navn)).isEmpty(),
                 m.navn);
}

void TstFuzzfund::gemtInput_bryderIngenRegel_data() {
    QTest::addColumn<int>("maal");
    QTest::addColumn<QString>("sti");
    for (qsizetype i = 0; i < alleFuzzmaal().size(); ++i) {
        const QString navn = QLatin1String(alleFuzzmaal()[i].navn);
        for (const QString &samling : kSamlinger) {
            const QString mappe = kKilde + u'/' + samling + u'/' + navn;
            for (const QString &fil : filer(mappe)) {
                const QString raekke = samling + u'/' + navn + u'/' + fil;
                QTest::newRow(qPrintable(raekke)) << int(i) << mappe + u'/' + fil;
            }
        }
    }
}

void TstFuzzfund::gemtInput_bryderIngenRegel() {
    QFETCH(int, maal);
    QFETCH(QString, sti);
    QFile fil(sti);
    QVERIFY2(fil.open(QIODevice::ReadOnly), qPrintable(fil.errorString()));
    const QByteArray bytes = fil.readAll();
    QString brud;
    try {
        brud = alleFuzzmaal()[maal].maal(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                          size_t(bytes.size()));
    } catch (const std::exception &e) {
        brud = QStringLiteral("undtagelse: ") + QString::fromLocal8Bit(e.what());
    }
    QVERIFY2(brud.isEmpty(), qPrintable(brud));
}

QTEST_MAIN(TstFuzzfund)
#include "tst_fuzzfund.moc"
