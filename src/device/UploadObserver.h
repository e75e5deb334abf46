#pragma once

#include <vector>

#include "PortProbe.h"

// What a plan upload tells its front end and asks of it, from the thread that runs it.
class UploadObserver {
  public:
    virtual ~UploadObserver() = default;

    // total plan bytes to send, bytes acknowledged so far.
    virtual void progress(int total, int acknowledged) = 0;
    // No port answered the handshake: true to probe again, false to give up. faults: the
    // candidates that were missing, held or answered wrongly, to name in the question.
    virtual bool retryAfterNoDevice(const std::vector<PortFault>& faults) = 0;
};
