#pragma once
// The object the page's mouse-over hook calls: Invoke with id 0 runs the bound method
// and answers S_OK; any other id answers E_NOTIMPL and runs nothing.

#include "infoviewer/browserflade.h"

#include <QObject>
#include <functional>

class TEventObject : public QObject {
    Q_OBJECT
public:
    using TObjectProcedure = std::function<void(const MusOver &)>;
    static constexpr qint64 S_OK = 0;
    static constexpr qint64 E_NOTIMPL = 0x80004001;

    explicit TEventObject(TObjectProcedure onEvent, QObject *ejer = nullptr)
        : QObject(ejer), FOnEvent(std::move(onEvent)) {}
    TObjectProcedure OnEvent() const { return FOnEvent; }

    // Called from the page for every mouse-over.
    Q_INVOKABLE qint64 Invoke(int dispId, const QString &tagName, const QString &href,
                              const QString &parentTagName, const QString &parentHref);

private:
    TObjectProcedure FOnEvent;
};
