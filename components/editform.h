#pragma once
// The edit window: never shown; its plain-text control serves as a text buffer.

#include <QWidget>

class QPlainTextEdit;

class Teditform : public QWidget {
    Q_OBJECT
public:
    Teditform();
    QPlainTextEdit *RE;
};
