#pragma once

#include <QString>

// How far apart two names are for a typing slip: letters to add, take away
// or change, a swap of two neighbours counting as one (the optimal string
// alignment distance). Letter case counts; callers that forgive it lower
// both names first.
int nameDistance(const QString &a, const QString &b);
