// TForm7: "Bore...", a bore of one diameter entered from typed positions.
#include "windows/editor/tform7.h"

#include "common/errors.h"
#include "profile/editor_state.h"
#include "windows/editor/bore_dialog.h"

#include <QPushButton>

void TForm7::CreateBoreButton()
{
    BoreButton = new QPushButton("Bore...", this);
    BoreButton->setGeometry(516, 96, 42, 23);
    BoreButton->setToolTip("Add a bore of one diameter; a stepped or tapered bore is typed in the DHL panel");
    connect(BoreButton, &QPushButton::clicked, this, Guarded(this, &TForm7::BoreButtonClick));
}

// Appended, so every pick still names its statement; one undo step, like a step line.
void TForm7::BoreButtonClick()
{
    TBoreDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    EditMemo([&](QStringList& memo) {
        const bool picksHold = TableDescribes(Editor, memo);
        memo.append(dialog.Statement());
        if (picksHold) KeepPicksFor(Editor, memo);
        return true;
    });
}
