#include "units/window/window_data.h"

namespace vx {
namespace {

using D = WindowData;

// The stored order.
constexpr StoredField<D> kFields[] = {
    {&D::border},     {&D::pictureMode},     {&D::backColour},      {&D::maxButton},          {&D::minButton},
    {&D::controlBox}, {&D::startPosition},   {&D::movable},         {&D::musicPlayMode},      {&D::enterMovesFocus},
    {&D::escCloses},  {&D::f1OpensHelp},     {&D::helpTopic},       {&D::showInTaskbar, 2},   {&D::dragAnywhere, 3},
    {&D::shape, 3},   {&D::alwaysOnTop, 4},  {&D::windowOption, 5}, {&D::windowClassName, 6}, {&D::backPicture},
    {&D::icon},       {&D::backgroundMusic}, {&D::caption},         {&D::helpFile},
};

}  // namespace

const PropertyStream<WindowData> WindowData::kStream = {6, kFields};

}  // namespace vx
