#include "PictureCache.h"

#include <QFile>
#include <sys/stat.h>

DibImage PictureCache::Load(const QString& path)
{
    DibImage picture;
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0) {
        picture.LoadFromFile(path); // keeps the reason of the failure
        return picture;
    }
    const auto key = std::make_pair(static_cast<unsigned long long>(info.st_dev),
                                    static_cast<unsigned long long>(info.st_ino));
    if (const auto found = m_pictures.find(key); found != m_pictures.end())
        return found->second;
    if (m_decodedBytes < m_budgetBytes && picture.LoadFromFile(path)) {
        m_decodedBytes += picture.Image().sizeInBytes();
        ++m_decoded;
        if (m_decodedBytes > m_budgetBytes)
            picture.Clear();
    }
    m_pictures.emplace(key, picture);
    return picture;
}
