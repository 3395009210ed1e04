// Undo and redo of the editor's drawing. Every change of the text or of the pen and mark
// settings becomes one step, however it was made: a tool, a step line, a vertical-lines run, a
// Generate after typing, a settings field.
#pragma once

#include <QObject>
#include <QStringList>
#include <array>

class QToolButton;
class QUndoStack;
class TForm7;

// What one step gives back: the text and the settings fields as they stood.
struct TDrawingSnapshot {
    QStringList Memo;
    std::array<QString, 6> Settings; // arc width, line width, arc mark width, line mark width, both mark types
    bool operator==(const TDrawingSnapshot&) const = default;
};

class TDrawingHistory : public QObject {
    Q_OBJECT
public:
    explicit TDrawingHistory(TForm7* editor);

    QUndoStack* Stack;
    QToolButton* UndoButton;
    QToolButton* RedoButton;

    // Makes one step of whatever changed since the last one; nothing when nothing changed but
    // the marks of picked lines.
    void NoteChange();
    // The drawing as it stands becomes the start; the steps before it go.
    void Forget();
    // Puts the text and the settings back and redraws; every pick is dropped (a pending line
    // start and first corner line among them), since the line it named may be gone or moved.
    void Restore(const TDrawingSnapshot& snapshot);

private:
    TDrawingSnapshot Take() const;
    void CreateButtons();

    TForm7* editor_;
    TDrawingSnapshot last_;
    bool restoring_ = false;
    int typingField_ = -1; // the settings field the last step typed into, -1 after any other step
};
