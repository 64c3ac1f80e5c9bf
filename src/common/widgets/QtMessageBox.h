#pragma once

#include "MessageBox.h"

// The real message boxes: application icon and title, kept above the top-most pages.
class QtMessageBox final : public MessageBox {
protected:
    void showInfo(const QString& text, MessageIcon icon) override;
    bool askQuestion(const QString& text) override;
};
