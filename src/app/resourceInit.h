#pragma once

// Registers the ":/images/" resource bundle. Call once before the first
// resource is read (the program's entry point and every test do).
void initOrvaneResources();
