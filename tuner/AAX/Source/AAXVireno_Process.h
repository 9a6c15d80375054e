#pragma once

// The native render procedures of Vireno's two components. The host calls them on its audio
// thread with a batch of algorithm contexts, from the first pointer to one past the last. Bypass
// copies input to output; otherwise the effect renders. Either way the component's peak meters
// rise with what went in and what came out. They keep no state, never allocate and never lock.

void ProcessAlgorithmMono(void* const instancesBegin[], const void* instancesEnd);
void ProcessAlgorithmStereo(void* const instancesBegin[], const void* instancesEnd);
