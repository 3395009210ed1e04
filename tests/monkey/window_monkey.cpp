#include "window_monkey.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QOpenGLWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

namespace {

// What a user types: ordinary values, values at the edges of the ranges, and mistakes.
const char* const kFieldTexts[] = {
    "0", "1", "50", "100", "250", "1000", "-50", "20280", "2.5", "1,5", "0.001", "1E-6", "1e30", "1E300",
    "1E4000", "-1E4932", "99999999999999999999", "", " ", "abc", "--2", "1..5", "nan", "inf", "12a", "+7", ".5"};
const char* const kMemoLines[] = {
    "line 0/15/40/15/0/", "line 40/20/100/20/0/", "line 40/15/40/20/1/", "arc 46/16/50/20/48/20/50/18/",
    "line 0/0/0/15/0/", "line 100/20/100/0/0/", "line 38/20/40/18/0/", "line 1E300/1/2/3/0/", "arc 1/2/3/",
    "lin x/", "", "# note"};
const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down,
                         Qt::Key_Delete, Qt::Key_Space, Qt::Key_PageDown, Qt::Key_Home};

bool Reachable(const QWidget* widget) { return widget->isVisible() && widget->isEnabled(); }

} // namespace

QString Describe(const QWidget* widget)
{
    const auto name = [](const QObject* object) {
        return object->objectName().isEmpty() ? QString(object->metaObject()->className()) : object->objectName();
    };
    const QWidget* window = widget->window();
    const QString title = window->windowTitle().isEmpty() ? name(window) : window->windowTitle();
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) text = " \"" + button->text() + "\"";
    return name(widget) + text + " in " + title;
}

TWindowMonkey::TWindowMonkey(TWindows windows, unsigned seed) : windows_(std::move(windows)), random_(seed) {}

void TWindowMonkey::FollowNewWindows()
{
    QList<QWidget*> visible;
    for (QWidget* window : windows_())
        if (window->isVisible()) visible << window;
    for (QWidget* window : visible)
        if (!visible_.contains(window)) working_ = window;
    if (working_ && !working_->isVisible()) working_ = nullptr;
    visible_ = visible;
}

QList<QWidget*> TWindowMonkey::Reachable() const
{
    QList<QWidget*> widgets;
    for (QWidget* window : windows_())
        if (window->isVisible() && (!inWorkingWindow_ || window == working_))
            for (QWidget* child : window->findChildren<QWidget*>())
                if (::Reachable(child)) widgets << child;
    return widgets;
}

template <class Control>
QList<Control*> TWindowMonkey::ReachableOf() const
{
    QList<Control*> controls;
    for (QWidget* widget : Reachable())
        if (auto* control = qobject_cast<Control*>(widget)) controls << control;
    return controls;
}

QList<QWidget*> TWindowMonkey::Images() const
{
    QList<QWidget*> images;
    for (const auto& image : images_)
        if (QWidget* widget = image(); widget && ::Reachable(widget)) images << widget;
    for (QOpenGLWidget* view : ReachableOf<QOpenGLWidget>()) images << view;
    return images;
}

QString TWindowMonkey::Act()
{
    // Typing and pressing are what a user does most; a window opens or closes now and then.
    FollowNewWindows();
    inWorkingWindow_ = working_ && Below(4) != 0;
    const int kind = Below(21);
    QString done;
    if (kind < 6) done = Type();
    else if (kind < 12) done = Press();
    else if (kind < 14) done = Choose();
    else if (kind < 15) done = Turn();
    else if (kind < 17) done = Drag();
    else if (kind < 18) done = Key();
    else if (kind < 19) done = Menu();
    else if (kind < 20) done = Step();
    return done.isEmpty() ? ShowOrClose() : done;
}

QString TWindowMonkey::Step()
{
    if (steps_.empty()) return QString();
    const auto& [name, step] = steps_[size_t(Below(int(steps_.size())))];
    return step() ? name : QString();
}

QString TWindowMonkey::ShowOrClose()
{
    QWidget* window = Any(windows_());
    if (!window) return "nothing to do";
    if (window->isVisible() && Below(3) == 0) {
        window->close();
        return "close " + Describe(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return "show " + Describe(window);
}

QString TWindowMonkey::Text(bool memo)
{
    if (!memo && Below(2) == 0) return QString::number(Below(11) * 10 * (Below(3) ? 1 : 100));
    if (!memo) return kFieldTexts[Below(int(std::size(kFieldTexts)))];
    QStringList lines;
    for (int i = Below(6); i >= 0; --i) lines << kMemoLines[Below(int(std::size(kMemoLines)))];
    return lines.join('\n');
}

QString TWindowMonkey::Type()
{
    QList<QWidget*> targets;
    for (QLineEdit* edit : ReachableOf<QLineEdit>())
        if (!edit->isReadOnly() && edit->width() > 0) targets << edit;
    for (QPlainTextEdit* memo : ReachableOf<QPlainTextEdit>())
        if (!memo->isReadOnly()) targets << memo;
    QWidget* target = Any(targets);
    if (!target) return QString();
    auto* memo = qobject_cast<QPlainTextEdit*>(target);
    const QString text = Text(memo);
    target->setFocus();
    if (Below(2) == 0) {
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier); // typing replaces the selection
        // Line breaks are keys of their own: QTest has no key for the character.
        const QStringList lines = text.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClicks(target, lines[i]);
        }
    } else if (memo) {
        memo->setPlainText(text);
    } else {
        qobject_cast<QLineEdit*>(target)->setText(text);
    }
    const bool enter = !memo && Below(3) == 0;
    if (enter) QTest::keyClick(target, Qt::Key_Return);
    return "type '" + text + "'" + (enter ? " and Enter" : "") + " into " + Describe(target);
}

QString TWindowMonkey::Press()
{
    QAbstractButton* button = Any(ReachableOf<QAbstractButton>());
    if (!button) return QString();
    const QString described = Describe(button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, PointIn(button));
    return "press " + described;
}

QString TWindowMonkey::Choose()
{
    QComboBox* combo = Any(ReachableOf<QComboBox>());
    if (!combo || combo->count() == 0) return QString();
    combo->setFocus();
    const int steps = 1 + Below(3);
    const Qt::Key key = Below(2) ? Qt::Key_Down : Qt::Key_Up;
    for (int i = 0; i < steps; ++i) QTest::keyClick(combo, key); // as the user picks: activated is raised
    return "pick item " + QString::number(combo->currentIndex()) + " of " + Describe(combo);
}

QString TWindowMonkey::Turn()
{
    QList<QWidget*> targets;
    for (QAbstractSlider* slider : ReachableOf<QAbstractSlider>()) targets << slider;
    for (QAbstractSpinBox* spin : ReachableOf<QAbstractSpinBox>()) targets << spin;
    QWidget* target = Any(targets);
    if (!target) return QString();
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const Qt::Key key = keys[Below(int(std::size(keys)))];
    target->setFocus();
    QTest::keyClick(target, key);
    return "key " + QString::number(key, 16) + " on " + Describe(target);
}

QPoint TWindowMonkey::PointIn(const QWidget* widget)
{
    return QPoint(Below(std::max(1, widget->width())), Below(std::max(1, widget->height())));
}

// A press, a few moves with the button held, and the release, as a drawing tool sees them.
QString TWindowMonkey::Drag()
{
    QPointer<QWidget> image = Any(Images());
    if (!image) return QString();
    const QString described = Describe(image);
    const Qt::MouseButton button = Below(4) == 0 ? Qt::RightButton : Qt::LeftButton;
    const QPoint start = PointIn(image);
    QPoint at = start;
    QTest::mousePress(image, button, Qt::NoModifier, at);
    for (int i = Below(5); i > 0 && image; --i) QTest::mouseMove(image, at = PointIn(image));
    if (image) QTest::mouseRelease(image, button, Qt::NoModifier, at);
    return QString("drag %1 from (%2, %3) to (%4, %5) on %6")
        .arg(button == Qt::LeftButton ? "left" : "right")
        .arg(start.x()).arg(start.y()).arg(at.x()).arg(at.y()).arg(described);
}

QString TWindowMonkey::Key()
{
    QWidget* target = QApplication::focusWidget();
    if (!target || !::Reachable(target)) return QString();
    const Qt::Key key = kKeys[Below(int(std::size(kKeys)))];
    const QString described = Describe(target);
    QTest::keyClick(target, key);
    return "key " + QString::number(key, 16) + " on " + described;
}

// An item of a context menu, as a right click offers it.
QString TWindowMonkey::Menu()
{
    QList<QAction*> items;
    for (QWidget* widget : Reachable())
        if (widget->contextMenuPolicy() == Qt::ActionsContextMenu)
            for (QAction* action : widget->actions())
                if (action->isEnabled() && action->isVisible()) items << action;
    QAction* item = Any(items);
    if (!item) return QString();
    const QString text = item->text();
    item->trigger();
    return "menu item \"" + text + "\"";
}

QStringList TWindowMonkey::NonFiniteTexts() const
{
    static const QRegularExpression nonFinite("\\b(nan|inf|infinity)\\b", QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    const auto check = [&](const QString& text, const QWidget* where) {
        if (text.contains(nonFinite)) found << "'" + text + "' in " + Describe(where);
    };
    for (QWidget* window : windows_()) {
        for (const QLabel* label : window->findChildren<QLabel*>()) check(label->text(), label);
        for (const QComboBox* combo : window->findChildren<QComboBox*>())
            if (!combo->isEditable())
                for (int i = 0; i < combo->count(); ++i) check(combo->itemText(i), combo);
    }
    return found;
}
