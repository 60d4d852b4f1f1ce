// Each picture the program shows, rendered from a lunar surface.
#pragma once

#include "lunarsurface.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace tavik::pictures {

inline constexpr int kPhasePictureSize = 137;   // pixels, the main window's phase box
inline constexpr QSize kDayPictureSize{960, 713};
inline constexpr double kDayDiscRadius = 345;   // pixels; the viewer shows 713 rows
inline constexpr QSize kBannerSize{300, 42};
inline constexpr double kLabelLitBand = 20;     // degrees of longitude into the sunlit side
inline constexpr double kLabelDarkBand = 4;     // degrees into the night side

struct PhasePicture {
    QString file;       // inside Pic/
    double ageDays;     // the age drawn: the middle of the phase bands that show it
};

// One entry per picture file of the phase table, in table order.
std::vector<PhasePicture> phasePictures();
QString dayPictureFile(int day);

QImage renderPhasePicture(const LunarSurface& surface, double ageDays);
// names, when given, receives the names written onto the picture.
QImage renderDayPicture(const LunarSurface& surface, int day, QStringList* names = nullptr);
QImage renderMapPicture(const LunarSurface& surface, QStringList* names = nullptr);
QImage renderBanner(const LunarSurface& surface);
QImage renderIcon(const LunarSurface& surface, int size);

} // namespace tavik::pictures
