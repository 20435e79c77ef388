#pragma once

#include "common/colours.h"

#include <QString>

// How the student left the window's look: the theme, the projector mode and
// the zoom, kept between runs in a small text file of the user's
// configuration folder. A file that is missing, unreadable or damaged gives
// the defaults; a value out of its range is brought back into it.
struct ViewSettings
{
    static constexpr int MinZoom = -5;
    static constexpr int MaxZoom = 15;

    Theme theme = Theme::Claro;
    bool projector = false;
    int zoom = 0;

    // "aparencia.ini" in the user's configuration folder for Tavessa.
    static QString defaultPath();
    static ViewSettings load(const QString &path);
    // Written whole or not at all; false when it could not be.
    bool save(const QString &path) const;

    bool operator==(const ViewSettings &) const = default;
};
