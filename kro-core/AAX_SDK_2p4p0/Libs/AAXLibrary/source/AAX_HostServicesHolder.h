#pragma once

// The host's services for the whole library, kept from ACFStartup to ACFShutdown, and the
// assertion and trace routines that reach the host through them. Outside that span assertions
// and traces are dropped.

#include "aaxsdk/AAX_Results.h"

// Trace priorities the library uses.
constexpr int32_t kTracePriorityInfo = 0x04000000;
constexpr int32_t kTracePriorityError = 0x08000000;

// The result of a trace whose text cannot be formatted.
constexpr AAX_Result kTraceFormatError = -20051;

// Main thread. Startup keeps services over a non-null host once; a second startup changes nothing.
AAX_Result AAXStartup(IACFUnknown* host);
// Main thread. Drops the services when there are any.
AAX_Result AAXShutdown(IACFUnknown* host);

// Any thread. The host's answer to an assertion failure; 0 and nothing reported without services.
AAX_Result AAXAssert(const char* file, int32_t line, const char* note, int32_t flags = 1);

// Any thread. printf-style text, cut to 511 characters, to the host's trace; 0 without services.
AAX_Result AAXTrace(int32_t priority, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The library's assertion: reports a false condition with its text and carries on.
#define AAX_ASSERT(condition)                                                                                          \
    do                                                                                                                 \
    {                                                                                                                  \
        if (!(condition))                                                                                              \
            AAXAssert(__FILE__, __LINE__, #condition);                                                                 \
    } while (false)
