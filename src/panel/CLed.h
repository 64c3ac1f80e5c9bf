#pragma once

#include "StateObserver.h"
#include "VirtualDev.h"

#include <array>

// An LED (LED) with up to ten levels, each with its own picture.
class CLed : public VirtualDev, public StateObserver {
public:
    static constexpr int kLevelCount = 10;

    CLed();

    QString ClassName() const override;

    void SetLevel(int level);
    int GetLevel() const { return m_level; }
    void SetLevelPicture(int level, const QString& path);
    QString GetLevelPicture(int level) const;

    // Loads the picture of the current level.
    bool Refresh() override;
    void Update() override;

private:
    int m_level = 0;
    std::array<QString, kLevelCount> m_levelPictures;
};
