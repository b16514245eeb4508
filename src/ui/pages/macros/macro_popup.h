#pragma once
// A popup panel of the macro page (Pnl_PCMacro, Pnl_DevMacro): a column of entries shown with
// its top-left corner at the pointer, moved up by its own height when it would pass the bottom
// of the window and kept inside it sideways. A click on an entry runs it; any press elsewhere
// hides the panel and still does what it does.

#include <QFrame>
#include <functional>

class QAbstractButton;

namespace gm::ui {

class MacroPopup final : public QFrame {
    Q_OBJECT
public:
    // `window`: the top-level widget the panel is shown in.
    MacroPopup(const char* name, QWidget* window);

    // An entry named `name`; `run` is called after the panel is hidden.
    QAbstractButton* addEntry(const char* name, std::function<void()> run);
    void setEntryText(const char* name, const QString& text);
    void setEntryEnabled(const char* name, bool enabled);
    // Shows the panel at `windowPoint` of the window.
    void showAt(QPoint windowPoint);
    void hidePanel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layOut();
    QAbstractButton* entry(const char* name) const;
};

}  // namespace gm::ui
