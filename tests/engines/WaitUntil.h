#pragma once
#include <functional>

// Polls condition until it holds. Returns false after a limit far beyond any
// expected wait, so that a fault ends the test instead of hanging it; no test
// should rely on the limit for timing.
bool WaitUntil(const std::function<bool()>& condition);
