// The desktop's font and its measure of a line, shared by the surface's text role on Qt and
// the tool that records those measures for the page.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <string_view>

// "Arial" (Liberation Sans, its metric twin) for a CFont height.
QFont ArialOfHeight(int height);

// How far a line reaches, in whole pixels, as the line breaker measures it.
int QtReach(std::string_view run, const QFontMetricsF& metrics);
