#pragma once

#include <QString>

class QWidget;

// The few message boxes the main window shows. Tests put a recorder in their place.
class Prompts {
public:
    virtual ~Prompts() = default;
    // Information box with OK and Cancel; true for OK.
    virtual bool InformationOkCancel(const QString& text) = 0;
    // Warning box with one OK button.
    virtual void Warning(const QString& text) = 0;
    // Error box with one OK button.
    virtual void Error(const QString& text) = 0;
};

// Modal QMessageBox boxes over parent.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    bool InformationOkCancel(const QString& text) override;
    void Warning(const QString& text) override;
    void Error(const QString& text) override;

private:
    QWidget* parent_;
};

// The update window as the first-run offer uses it.
class UpdateOffer {
public:
    virtual ~UpdateOffer() = default;
    // Ticks "Список организаций", "Недвижимость" and "Статьи" (not "Новостройки").
    virtual void TickFirstRunFeeds() = 0;
    // Presses the start button, then shows the window modally.
    virtual void StartAndShow() = 0;
    // Shows the window modally as it is ("Обновить").
    virtual void ShowModal() = 0;
};
