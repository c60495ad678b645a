#pragma once
// What the information window needs of its embedded browser: navigation, the location
// name, and four events. The program uses the web engine; tests use a stand-in.

#include <QMetaType>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// The element under the mouse, as the page's mouse-over hook reports it.
struct MusOver {
    QString tagName;
    QString href; // the element's own link address, if it has one
    QString parentTagName;
    QString parentHref;
};
Q_DECLARE_METATYPE(MusOver)

class Browserflade : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Opens a file path or an address.
    virtual void Navigate(const QString &adresse) = 0;
    // The file name with extension for a local page; else the title, or the address.
    virtual QString LocationName() const = 0;
    virtual QWidget *widget() = 0;

    // Asked when the page wants a new window: returns the address to open in this
    // browser instead, or empty to let the desktop's browser open the new window.
    std::function<QString()> nytVindue;

signals:
    void BeforeNavigate2();
    void DocumentComplete();
    void TitleChange(const QString &titel);
    void MouseOver(const MusOver &element);
};
