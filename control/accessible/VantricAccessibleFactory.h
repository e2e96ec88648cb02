#pragma once

// Makes every Vantric known to screen readers: installs the factory that gives each one its
// accessible interface. The program calls it once at start, before its first window.
namespace Orvane {

void installVantricAccessibility();

} // namespace Orvane
