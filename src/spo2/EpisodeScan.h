#pragma once

#include <map>
#include <vector>

#include "Spo2Event.h"

struct EpisodeLimits {
    int threshold = 0;   // smallest change from the start level that counts
    int minDuration = 0; // seconds; the fall must reach the threshold within them
    int maxDuration = 0; // seconds
};

// The single pass over one per-second array that cuts it into episodes (a plateau, then a
// run up or down) and keeps the falling ones that pass the acceptance tests. A value of 0 is
// a gap: no episode spans one.
class EpisodeScan {
  public:
    EpisodeScan(const std::vector<int>& values, const EpisodeLimits& limits);

    // Accepted falling episodes keyed by their start index.
    std::map<int, Spo2Event> fallingEvents() const;

  private:
    int plateauEnd(int cursor) const;
    int afterGap(int index) const;
    int riseEnd(int first) const;
    int fallEnd(int start, int first) const;
    bool accepted(int start, int end) const;
    Spo2Event makeEvent(int start, int end) const;

    const std::vector<int>& m_a;
    int m_length;
    int m_threshold;
    int m_minDuration;
    int m_maxDuration;
};
