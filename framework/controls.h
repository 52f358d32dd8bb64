#pragma once
// Every kind of control a screen is built from. Lightweight ones (labels, shapes, lines, pictures) paint
// themselves; windowed ones (text boxes, lists, check boxes, push buttons, frames) wrap a Qt widget.
#include "framework/buttons.h"
#include "framework/control.h"
#include "framework/fields.h"
#include "framework/label.h"
#include "framework/picture_control.h"
#include "framework/shapes.h"
