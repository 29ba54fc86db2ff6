// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeps the memory a frame frees for the next one, where the C library allows. Called once
// by main(), before any thread starts.
void keepFreedMemoryBetweenFrames();
