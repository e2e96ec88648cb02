#pragma once

#include <QtGlobal>

// Only what carries ORVANE_EXPORT leaves the shared library; everything else stays hidden.
#if defined(ORVANE_LIBRARY)
#define ORVANE_EXPORT Q_DECL_EXPORT
#else
#define ORVANE_EXPORT Q_DECL_IMPORT
#endif
