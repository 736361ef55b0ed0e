// The client area the frame is composed for, in client pixels. Where the rule stands in it is
// the model's (model/rule_geometry.h).
#pragma once

constexpr int kClientWidth = 240;
constexpr int kClientHeight = 268;
