#include "ui/CommandBar.h"

#include "ui/AcertaCor.h"
#include "ui/Images.h"

#include <QAction>
#include <QBoxLayout>
#include <QPushButton>
#include <QToolBar>

namespace zv::ui {

namespace {

const char* const kKeyProperty = "Key";

QBoxLayout* boxFor(Qt::Orientation orientation, QWidget* parent)
{
    if (orientation == Qt::Horizontal)
        return new QHBoxLayout(parent);
    return new QVBoxLayout(parent);
}

} // namespace

CommandBar::CommandBar(const QList<Command>& commands, const QString& toolbarName, QWidget* parent,
                       Qt::Orientation orientation)
    : QWidget(parent)
{
    auto* layout = boxFor(orientation, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolbar(commands, orientation);
    m_toolbar->setObjectName(toolbarName);
    buildFrame(commands, orientation);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_frame);
    setToolbarPresentation(true);
}

void CommandBar::buildToolbar(const QList<Command>& commands, Qt::Orientation orientation)
{
    m_toolbar = new QToolBar(this);
    m_toolbar->setOrientation(orientation);
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(kToolbarIcon, kToolbarIcon));
    for (const Command& c : commands) {
        if (!c.inToolbar)
            continue;
        QAction* action = m_toolbar->addAction(Images::toolbar(c.image), c.caption);
        action->setObjectName(c.key);
        action->setProperty(kKeyProperty, c.key);
        action->setToolTip(c.toolTip.isEmpty() ? c.caption : c.toolTip);
        connect(action, &QAction::triggered, this, [this, key = c.key] { Q_EMIT commandTriggered(key); });
    }
}

void CommandBar::buildFrame(const QList<Command>& commands, Qt::Orientation orientation)
{
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("fraBotoes"));
    auto* layout = boxFor(orientation, m_frame);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);
    for (const Command& c : commands) {
        if (c.buttonName.isEmpty())
            continue;
        auto* button = new QPushButton(Images::button(c.image), c.caption, m_frame);
        button->setObjectName(c.buttonName);
        button->setProperty(kKeyProperty, c.key);
        button->setIconSize(QSize(kButtonIcon, kButtonIcon));
        button->setAutoDefault(false);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, key = c.key] { Q_EMIT commandTriggered(key); });
    }
}

void CommandBar::setToolbarPresentation(bool toolbar)
{
    m_toolbarShown = toolbar;
    m_toolbar->setVisible(toolbar);
    m_frame->setVisible(!toolbar);
}

bool CommandBar::applyColourCheck()
{
    const bool toolbar = AcertaCor();
    setToolbarPresentation(toolbar);
    return toolbar;
}

QAction* CommandBar::action(const QString& key) const
{
    for (QAction* a : m_toolbar->actions())
        if (a->property(kKeyProperty).toString() == key)
            return a;
    return nullptr;
}

QPushButton* CommandBar::button(const QString& name) const
{
    return m_frame->findChild<QPushButton*>(name, Qt::FindDirectChildrenOnly);
}

QStringList CommandBar::keys() const
{
    QStringList out;
    for (QAction* a : m_toolbar->actions())
        out << a->property(kKeyProperty).toString();
    return out;
}

void CommandBar::trigger(const QString& key)
{
    if (QAction* a = action(key); a && a->isVisible() && a->isEnabled())
        a->trigger();
}

} // namespace zv::ui
