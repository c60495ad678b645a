#include "infoviewer/teventobject.h"

qint64 TEventObject::Invoke(int dispId, const QString &tagName, const QString &href,
                            const QString &parentTagName, const QString &parentHref) {
    if (dispId != 0)
        return E_NOTIMPL;
    if (FOnEvent)
        FOnEvent({tagName, href, parentTagName, parentHref});
    return S_OK;
}
