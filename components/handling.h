#pragma once
// An action with an enabled rule: the rule runs when the program is idle and again
// right before every execute, so a stale enabled state never runs an action.

#include <QAction>
#include <functional>

class Handling : public QAction {
    Q_OBJECT
public:
    // `hint` is "short|long" or one text for both; the long part goes to the status bar.
    Handling(QObject *ejer, const char *navn, const QString &tekst, const QString &hint);

    Handling *genvej(const QKeySequence &tast);
    Handling *genveje(const QList<QKeySequence> &taster);
    Handling *aktiv(std::function<bool()> regel); // the update handler
    Handling *udfoer(std::function<void()> handling); // the execute handler

    // Re-evaluates the enabled rule.
    void Update();
    // Update, then run the action when it is enabled; true when it ran.
    bool Execute();

private:
    std::function<bool()> m_regel;
    std::function<void()> m_handling;
};

// Runs every action's update handler each time the event loop is about to wait.
void opdaterVedTomgang(QObject *ejer, const QList<Handling *> &handlinger);
