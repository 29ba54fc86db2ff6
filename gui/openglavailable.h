// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether an OpenGL context can be created and made current on this platform. Without one
// an OpenGL widget would bring the program down, so the window asks, once per process, before
// it makes one.
bool openGLAvailable();
