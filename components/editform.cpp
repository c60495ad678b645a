#include "components/editform.h"

#include "components/tilgaengelighed.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

Teditform::Teditform() {
    setObjectName(QStringLiteral("editform"));
    setWindowTitle(QStringLiteral("editform"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    setFont(f);
    resize(635, 299);
    RE = new QPlainTextEdit(this);
    RE->setObjectName(QStringLiteral("RE"));
    auto *lag = new QVBoxLayout(this);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->addWidget(RE);
    givTilgaengeligeNavne(this, {{RE, QStringLiteral("Tekstbuffer")}});
}
