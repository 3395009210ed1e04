// A random user of the window set: it finds the controls of every window by walking their
// children, so new windows and controls are driven without change, and acts on what a user
// could reach: it types into fields and memos, presses buttons, radio buttons and switches, picks
// combo items, turns spin editors and track bars, drags the mouse over drawing images, picks
// context-menu items, and shows and closes windows.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <random>

class TWindowMonkey {
public:
    using TWindows = std::function<QList<QWidget*>()>;

    TWindowMonkey(TWindows windows, unsigned seed);

    // Widgets that take mouse presses and drags anywhere on them (the editor's drawing image);
    // every OpenGL view is one already.
    void AddImageWidget(std::function<QWidget*()> image) { images_.push_back(std::move(image)); }
    // A named step a user takes between the others, such as undo or the 3D model; it returns
    // whether it could be taken now.
    void AddStep(QString name, std::function<bool()> step) { steps_.push_back({std::move(name), std::move(step)}); }

    // Performs one random action and describes it, for the record of a failing run.
    QString Act();

    // Texts that show a NaN or an infinity in a label or in a list the program filled.
    QStringList NonFiniteTexts() const;

private:
    void FollowNewWindows();
    QList<QWidget*> Reachable() const;
    QList<QWidget*> Images() const;
    template <class Control>
    QList<Control*> ReachableOf() const;

    QString ShowOrClose();
    QString Type();
    QString Press();
    QString Choose();
    QString Turn();
    QString Drag();
    QString Key();
    QString Menu();
    QString Step();

    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    template <class Item>
    Item* Any(const QList<Item*>& items) { return items.isEmpty() ? nullptr : items[Below(int(items.size()))]; }
    QString Text(bool memo);
    QPoint PointIn(const QWidget* widget);

    TWindows windows_;
    QList<QWidget*> visible_;    // the windows shown after the last action
    QPointer<QWidget> working_;  // the window that opened last: a user works there for a while
    bool inWorkingWindow_ = false;
    std::vector<std::function<QWidget*()>> images_;
    std::vector<std::pair<QString, std::function<bool()>>> steps_;
    std::mt19937 random_;
};

// Name of a widget for the record: its object name or class, and its window's title or class.
QString Describe(const QWidget* widget);
