#pragma once
#include <QFrame>
#include <QList>
#include <QString>
#include <QWidget>

class QAction;
class QPushButton;
class QToolBar;

namespace zv::ui {

// One command of a window, as both presentations show it.
struct Command {
    QString key;        // toolbar key, "keyEntrar"
    QString caption;    // "ENTRAR"
    QString toolTip;    // toolbar tooltip; may be empty
    QString image;      // picture key of Images, "Entrar"
    QString buttonName; // the plain picture button, "cmdMultiplos"; empty: toolbar only
    bool inToolbar = true;
};

// The two presentations of a window's commands, built from one list: a real
// toolbar whose buttons carry their keys and normal/hot images, and the frame
// fraBotoes of plain picture buttons. The window shows one or the other by
// the colour check's answer. Both emit commandTriggered with the command's
// key; a window that must tell a plain button from its toolbar twin listens
// to button(name)->clicked itself.
class CommandBar : public QWidget {
    Q_OBJECT
public:
    // toolbarName is the toolbar's object name ("tbLogin"); the frame is
    // always "fraBotoes".
    CommandBar(const QList<Command>& commands, const QString& toolbarName, QWidget* parent = nullptr,
               Qt::Orientation orientation = Qt::Horizontal);

    // true: the toolbar shows and the frame hides; false: the reverse.
    void setToolbarPresentation(bool toolbar);
    bool toolbarPresentation() const { return m_toolbarShown; }
    // Asks the colour check and presents accordingly; answers its answer.
    bool applyColourCheck();

    QToolBar* toolbar() const { return m_toolbar; }
    QFrame* fraBotoes() const { return m_frame; }
    // nullptr for a key or name the bar does not have.
    QAction* action(const QString& key) const;
    QPushButton* button(const QString& name) const;
    QStringList keys() const;

    // Presses a toolbar key as the mouse would (no-op for a hidden or unknown key).
    void trigger(const QString& key);

    // Logical size of the toolbar pictures and of the plain buttons' pictures.
    static constexpr int kToolbarIcon = 32;
    static constexpr int kButtonIcon = 20;

Q_SIGNALS:
    void commandTriggered(const QString& key);

private:
    void buildToolbar(const QList<Command>& commands, Qt::Orientation orientation);
    void buildFrame(const QList<Command>& commands, Qt::Orientation orientation);

    QToolBar* m_toolbar = nullptr;
    QFrame* m_frame = nullptr;
    bool m_toolbarShown = true;
};

} // namespace zv::ui
