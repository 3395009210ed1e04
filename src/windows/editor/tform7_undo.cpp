// Undo and redo of the editor's drawing, on a QUndoStack of whole snapshots: the text is small
// and a snapshot cannot drift from what the tools did.
#include "windows/editor/tform7_undo.h"

#include "common/errors.h"
#include "widgets/window_setup.h"
#include "windows/editor/tform7.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QUndoStack>

namespace {

// A step that has already happened when it is pushed: its first redo does nothing. A step that
// goes on typing into the settings field of the step before it joins that step, so that "12" typed
// into a width is undone at once rather than a keystroke at a time.
class TDrawingStep : public QUndoCommand {
public:
    TDrawingStep(TDrawingHistory& history, TDrawingSnapshot before, TDrawingSnapshot after, bool goesOnTyping)
        : history_(history), before_(std::move(before)), after_(std::move(after)), goesOnTyping_(goesOnTyping)
    {
    }

    void undo() override { history_.Restore(before_); }
    void redo() override
    {
        if (done_) history_.Restore(after_);
        done_ = true;
    }
    int id() const override { return kDrawingStep; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const TDrawingStep*>(other);
        if (!next->goesOnTyping_) return false;
        after_ = next->after_;
        return true;
    }

private:
    static constexpr int kDrawingStep = 1;
    TDrawingHistory& history_;
    TDrawingSnapshot before_;
    TDrawingSnapshot after_;
    bool goesOnTyping_;
    bool done_ = false;
};

QToolButton* AddStepButton(QWidget* parent, QAction* action, QStyle::StandardPixmap glyph, int left, int top)
{
    action->setIcon(StandardIcon(*parent, glyph));
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setGeometry(left, top, 23, 22);
    return button;
}

// The text with the marks of the line statements left out. A pick marks its line in the text;
// that is a selection, not a change of the drawing, and makes no step of its own.
QStringList WithoutMarks(const QStringList& memo)
{
    QStringList drawing;
    for (const QString& statement : memo) {
        const qsizetype flag = statement.lastIndexOf('/', -2);
        drawing << (statement.startsWith("line ") && flag > 0 ? statement.left(flag) : statement);
    }
    return drawing;
}

bool SameDrawing(const TDrawingSnapshot& a, const TDrawingSnapshot& b)
{
    return a.Settings == b.Settings && WithoutMarks(a.Memo) == WithoutMarks(b.Memo);
}

// The one settings field a step changed, with the drawing's text left as it was; -1 for any other
// step.
int ChangedSetting(const TDrawingSnapshot& before, const TDrawingSnapshot& after)
{
    if (WithoutMarks(before.Memo) != WithoutMarks(after.Memo)) return -1;
    int changed = -1;
    for (size_t i = 0; i < before.Settings.size(); ++i) {
        if (before.Settings[i] == after.Settings[i]) continue;
        if (changed >= 0) return -1;
        changed = int(i);
    }
    return changed;
}

} // namespace

TDrawingHistory::TDrawingHistory(TForm7* editor) : QObject(editor), editor_(editor)
{
    Stack = new QUndoStack(this);
    last_ = Take();
    CreateButtons();
}

void TDrawingHistory::CreateButtons()
{
    QAction* undo = Stack->createUndoAction(this);
    undo->setShortcut(QKeySequence("Ctrl+Z"));
    undo->setToolTip("Undo the last change of the drawing (Ctrl+Z)");
    QAction* redo = Stack->createRedoAction(this);
    redo->setShortcut(QKeySequence("Ctrl+Shift+Z"));
    redo->setToolTip("Redo the change undone last (Ctrl+Shift+Z)");
    editor_->addActions({undo, redo});
    UndoButton = AddStepButton(editor_, undo, QStyle::SP_ArrowBack, 18, 82);
    RedoButton = AddStepButton(editor_, redo, QStyle::SP_ArrowForward, 18, 105);
}

TDrawingSnapshot TDrawingHistory::Take() const
{
    const TForm7& e = *editor_;
    return {e.MemoLines(),
            {e.ed1->text(), e.ed2->text(), e.ed3->text(), e.ed4->text(), e.cb1->currentText(), e.cb2->currentText()}};
}

void TDrawingHistory::NoteChange()
{
    if (restoring_) return;
    TDrawingSnapshot now = Take();
    if (SameDrawing(now, last_)) return;
    const int field = ChangedSetting(last_, now);
    const bool goesOnTyping = field >= 0 && field == typingField_;
    typingField_ = field;
    Stack->push(new TDrawingStep(*this, last_, now, goesOnTyping));
    last_ = std::move(now);
}

void TDrawingHistory::Forget()
{
    Stack->clear();
    last_ = Take();
    typingField_ = -1;
}

void TDrawingHistory::Restore(const TDrawingSnapshot& snapshot)
{
    restoring_ = true;
    TForm7& e = *editor_;
    e.SetMemoLines(snapshot.Memo);
    // The settings fields' own handlers read them into the editor as typed.
    const std::array<QLineEdit*, 4> widths{e.ed1, e.ed2, e.ed3, e.ed4};
    for (size_t i = 0; i < widths.size(); ++i) widths[i]->setText(snapshot.Settings[i]);
    e.cb1->setEditText(snapshot.Settings[4]);
    e.cb2->setEditText(snapshot.Settings[5]);
    // Whatever was picked points into the text being replaced.
    DropPicks(e.Editor);
    last_ = snapshot;
    typingField_ = -1;
    restoring_ = false;
    // Undo runs from the stack's own actions, outside the guard of a handler: a text that does
    // not draw is reported like any Generate, and the text is back all the same.
    RunGuarded([&] { e.BitBtn4Click(); });
}
