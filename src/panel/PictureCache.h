#pragma once
// The pictures of one front panel, each file decoded once however many elements show it and
// under whatever name they reach it, within a budget of decoded bytes for the whole panel.

#include "DibImage.h"

#include <QString>
#include <map>
#include <utility>

class PictureCache {
public:
    // Decoded pixels one panel may hold; pictures beyond it stay empty.
    static constexpr qint64 kMaxDecodedBytes = 256LL * 1024 * 1024;

    explicit PictureCache(qint64 budgetBytes = kMaxDecodedBytes) : m_budgetBytes(budgetBytes) {}

    // The picture in `path`, decoded on its first use; a null picture (with its reason) when the
    // file cannot be read or decoded, or the budget is spent.
    DibImage Load(const QString& path);

    int DecodedCount() const { return m_decoded; }

private:
    // A file by its device and inode, so links and "./" spellings share one entry.
    std::map<std::pair<unsigned long long, unsigned long long>, DibImage> m_pictures;
    qint64 m_budgetBytes;
    qint64 m_decodedBytes = 0;
    int m_decoded = 0;
};
