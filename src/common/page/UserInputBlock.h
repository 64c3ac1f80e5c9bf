#pragma once
// While a page writes, the operator's input to the application is dropped: the windows keep
// painting, but nothing can be changed or started under the write. Counted, so nested writes
// (a write started from another's continuation) release it only at the end. GUI thread only.

#include <QObject>

class UserInputBlock : public QObject {
public:
    static void acquire();
    static void release();
    static bool active();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UserInputBlock() = default;
};
