#pragma once

#include "common/picture.h"
#include "sons.h"

#include <functional>
#include <tuple>
#include <utility>

namespace som {
// A screen's sound switch at one place of parent: the sound-on icon over the sound-off one, each
// with its art, its name and its tooltip. A click on the sound-on icon turns the switch that
// chave gives off, one on the other turns it on. Returns the icons, sound on first, for
// std::tie.
std::pair<Picture*, Picture*> criaIcones(QWidget* parent, const QRect& lugar,
                                         std::function<Chave()> chave);
} // namespace som
