#pragma once
// The embedded browser on the web engine, with the page's mouse-over hook bridged
// through a web channel.

#include "infoviewer/browserflade.h"

class QWebEngineView;
class Webside;
class TEventObject;

class Webbrowser : public Browserflade {
    Q_OBJECT
public:
    explicit Webbrowser(QWidget *forælder, std::function<void(const QString &)> aabnUde);
    void Navigate(const QString &adresse) override;
    QString LocationName() const override;
    QWidget *widget() override;

private:
    QWebEngineView *m_view;
    Webside *m_side;
    TEventObject *m_haendelse;
};
