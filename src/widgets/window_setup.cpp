// Set-up shared by the program's windows: fixed sizes, plain backgrounds, coming to the front,
// leaving by Escape, pointing at a field.
#include "widgets/window_setup.h"

#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>
#include <QPalette>
#include <QKeyEvent>
#include <QWidget>

namespace {

// Icons hold pictures, which go before the application does.
QHash<int, QIcon>& KeptIcons()
{
    static QHash<int, QIcon> icons = [] {
        qAddPostRoutine([] { KeptIcons().clear(); });
        return QHash<int, QIcon>();
    }();
    return icons;
}

} // namespace

QIcon StandardIcon(const QWidget& widget, QStyle::StandardPixmap glyph)
{
    QHash<int, QIcon>& icons = KeptIcons();
    const auto found = icons.constFind(glyph);
    if (found != icons.cend()) return *found;
    return *icons.insert(glyph, widget.style()->standardIcon(glyph));
}

void PlaceFixedWindow(QWidget& window, const QString& caption, const QRect& geometry)
{
    window.setWindowTitle(caption);
    window.setGeometry(geometry);
    window.setFixedSize(geometry.size());
}

void ComeToFront(QWidget& window)
{
    window.raise();
    window.activateWindow();
}

void SetPlainBackground(QWidget& widget, const QColor& color)
{
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Window, color);
    colours.setColor(QPalette::WindowText, Qt::black);
    widget.setPalette(colours);
    widget.setAutoFillBackground(true);
}

namespace {

// Sees the Escape that the window's controls leave unanswered, whether or not the window is the
// active one.
class EscapeCloser : public QObject {
public:
    explicit EscapeCloser(QWidget& window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_ || event->type() != QEvent::KeyPress) return false;
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
        window_.close();
        return true;
    }

private:
    QWidget& window_;
};

} // namespace

void CloseOnEscape(QWidget& window) { window.installEventFilter(new EscapeCloser(window)); }

void SelectField(QLineEdit& field)
{
    field.setFocus();
    field.selectAll();
}
