#pragma once
// A list or tree whose click handler also runs when the user moves its current row with
// the keyboard (arrows, Page Up/Down, Home, End, typing a name), so choosing by keys does
// what choosing by mouse does.

#include <QKeyEvent>
#include <QPersistentModelIndex>
#include <functional>

template <class Visning>
class Tastaturvalg : public Visning {
public:
    using Visning::Visning;

    void vedTastaturvalg(std::function<void()> handling) { m_handling = std::move(handling); }

protected:
    void keyPressEvent(QKeyEvent *e) override {
        const QPersistentModelIndex foer = this->currentIndex();
        Visning::keyPressEvent(e);
        if (m_handling && QModelIndex(foer) != this->currentIndex())
            m_handling();
    }

private:
    std::function<void()> m_handling;
};
