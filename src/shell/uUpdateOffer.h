#pragma once

#include "shell/uPrompts.h"

class QDialog;

// The first-run offer on the update window: ticks its feed boxes and presses its start button by
// their names, then shows it modally. Boxes and buttons the window does not have are left out.
class DialogUpdateOffer : public UpdateOffer {
public:
    explicit DialogUpdateOffer(QDialog& window) : window_(window) {}
    void TickFirstRunFeeds() override;
    void StartAndShow() override;
    void ShowModal() override;

private:
    QDialog& window_;
};
