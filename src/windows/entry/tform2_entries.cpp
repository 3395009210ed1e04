// The list of the initial-data window: the plane's length and entries as they were entered, and
// taking one back, which enters the plane again without it.
#include "windows/entry/tform2.h"

#include "canvas/canvas.h"
#include "canvas/canvas_painting.h"
#include "common/errors.h"
#include "document/design_journal.h"
#include "widgets/image_button.h"
#include "widgets/window_setup.h"
#include "windows/entry/tform2_pictures.h"
#include "windows/main/design_windows.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int kListLeft = 356;
constexpr int kListWidth = 226;
constexpr int kListRight = kListLeft + kListWidth;
const int kColumnWidths[] = {38, 54, 82};

// What the user typed stays in the fields through the replay, which empties them.
struct TFieldTexts {
    std::vector<std::pair<QLineEdit*, QString>> Texts;
    explicit TFieldTexts(std::initializer_list<QLineEdit*> fields)
    {
        for (QLineEdit* field : fields) Texts.emplace_back(field, field->text());
    }
    void Restore() const
    {
        for (const auto& [field, text] : Texts) field->setText(text);
    }
};

} // namespace

void TForm2::CreateEntryList()
{
    TFont bold;
    bold.Bold = true;
    auto* heading = new QLabel("Entries :", this);
    heading->setFont(ScreenFont(bold));
    heading->setGeometry(kListLeft, 14, 120, 17);
    CloseButton = new ImageButton(this);
    CloseButton->setGeometry(kListRight - 16, 12, 16, 16);
    CloseButton->SetPictureDrawer(DrawCloseGlyph);
    CloseButton->setToolTip("Close");

    EntryList = new QTreeWidget(this);
    EntryList->setGeometry(kListLeft, 38, kListWidth, 306);
    EntryList->setHeaderLabels({"Load", "x, mm", "Value", "Sense"});
    EntryList->setRootIsDecorated(false);
    EntryList->setUniformRowHeights(true);
    EntryList->setAllColumnsShowFocus(true);
    EntryList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    EntryList->header()->setSectionsMovable(false);
    EntryList->header()->setStretchLastSection(true);
    for (int column = 0; column < 3; ++column) EntryList->setColumnWidth(column, kColumnWidths[column]);

    RemoveButton = new QPushButton("Remove", this);
    RemoveButton->setGeometry(kListRight - 72, 352, 72, 25);
    RemoveButton->setEnabled(false);
}

void TForm2::ConnectEntryKeys()
{
    connect(EntryList, &QTreeWidget::itemSelectionChanged, this,
            [this] { RemoveButton->setEnabled(!EntryList->selectedItems().isEmpty()); });
    for (QWidget* control : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) control->installEventFilter(this);
    EntryList->installEventFilter(this);
    CloseOnEscape(*this);
}

// Delete in the list removes its entry. In the entry fields Ctrl+Z takes back a load, not a
// keystroke: a short number is soon typed again.
bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return SkinnedWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == EntryList && key->matches(QKeySequence::Delete)) {
        RunGuarded([this] { RemoveButtonClick(); });
        return true;
    }
    if (watched != EntryList && key->matches(QKeySequence::Undo)) {
        RunGuarded([this] { TakeBackLast(); });
        return true;
    }
    return SkinnedWindow::eventFilter(watched, event);
}

// Ctrl+Z that the list and the buttons leave unanswered.
void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Undo)) RunGuarded([this] { TakeBackLast(); });
    else SkinnedWindow::keyPressEvent(event);
}

namespace {

// Aligned before it joins the list, which then tells its view once.
QTreeWidgetItem* EntryItem(const TEntryRow& row)
{
    auto* item = new QTreeWidgetItem(QStringList{row.Name, row.Position, row.Value, row.Sense});
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

void TForm2::FillEntryList()
{
    if (listingHeld_) return;
    EntryList->clear();
    QList<QTreeWidgetItem*> items;
    for (const TEntryRow& row :
         EntryRows(DesignJournal.ShaftLength, DesignJournal.CurrentPlane(), DesignJournal.HorizontalCurrent))
        items.append(EntryItem(row));
    EntryList->addTopLevelItems(items);
}

void TForm2::CloseEntryBatch()
{
    listingHeld_ = false;
    FillEntryList();
}

void TForm2::AppendLastEntryRow()
{
    if (listingHeld_) return;
    const TPlaneEntries& plane = DesignJournal.CurrentPlane();
    EntryList->addTopLevelItem(EntryItem(EntryRow(plane, plane.Entries.size() - 1, DesignJournal.HorizontalCurrent)));
}

void TForm2::RemoveButtonClick()
{
    const QModelIndex selected = EntryList->currentIndex();
    if (!selected.isValid() || EntryList->selectedItems().isEmpty()) return;
    TakeBack(size_t(selected.row()));
    EntryList->setCurrentItem(EntryList->topLevelItem(std::min(selected.row(), EntryList->topLevelItemCount() - 1)));
    EntryList->setFocus();
}

void TForm2::TakeBackLast()
{
    if (EntryList->topLevelItemCount() == 0) return;
    TakeBack(size_t(EntryList->topLevelItemCount() - 1));
    EntryList->scrollToBottom();
}

// The plane is entered again without the entry, as an opened design is entered, so the page and
// every result are those of a plane that never had it.
void TForm2::TakeBack(size_t row)
{
    const TDesign design = DesignWithoutRow(CaptureDesign(), DesignJournal.HorizontalCurrent, row);
    const TFieldTexts typed{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    const QPoint place = pos();
    ReplayPlanes(design);
    typed.Restore();
    move(place);
}
