#include "CLed.h"

CLed::CLed()
{
    SetName(QStringLiteral("Led"));
}

QString CLed::ClassName() const
{
    return QStringLiteral("CLed");
}

void CLed::SetLevel(int level)
{
    if (level >= 0 && level < kLevelCount)
        m_level = level;
}

void CLed::SetLevelPicture(int level, const QString& path)
{
    if (level >= 0 && level < kLevelCount)
        m_levelPictures[size_t(level)] = path;
}

QString CLed::GetLevelPicture(int level) const
{
    if (level < 0 || level >= kLevelCount)
        return QString();
    return m_levelPictures[size_t(level)];
}

bool CLed::Refresh()
{
    return LoadPicture(GetLevelPicture(m_level));
}

void CLed::Update()
{
    Draw();
}
