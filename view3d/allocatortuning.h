#pragma once

// Keeps the memory a frame frees for the next one, where the C library allows. Called once
// by main(), before any thread starts.
void keepFreedMemoryBetweenFrames();
