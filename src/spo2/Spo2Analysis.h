#pragma once

#include <map>
#include <vector>

#include "Spo2Event.h"
#include "Spo2Parameters.h"

struct Spo2Series;

// Histograms and events of one SpO2/pulse series, and the figures the SpO2 pages print.
// The results stay until the next analyse; the parameters stay until they are set again.
class Spo2Analysis {
  public:
    // Replaces every result with those of the series under the current parameters.
    void analyse(const Spo2Series& series);
    // Drops the results, keeps the parameters.
    void clear();

    const Spo2Parameters& parameters() const { return m_parameters; }
    void setSpo2Parameters(int dropThreshold, int minimumDuration);
    void setPulseParameters(int changeThreshold, int minimumDuration);
    int criticalLevel() const { return m_parameters.criticalLevel; }
    void setCriticalLevel(int percent) { m_parameters.criticalLevel = percent; }

    const std::map<int, Spo2Event>& desaturationEvents() const { return m_events; }
    const std::map<int, Spo2Event>& pulseEvents() const { return m_pulseEvents; }
    // The arrays as analysed, for the trend display.
    const std::vector<int>& spo2Values() const { return m_spo2; }
    const std::vector<int>& pulseValues() const { return m_pulse; }

    int seriesLength() const { return static_cast<int>(m_spo2.size()); }
    int eventCount() const { return static_cast<int>(m_events.size()); }
    int pulseEventCount() const { return static_cast<int>(m_pulseEvents.size()); }
    // Seconds without data (value 0) in each array.
    int zeroSeconds() const { return CountOf(m_spo2Histogram, 0); }
    int pulseZeroSeconds() const { return CountOf(m_pulseHistogram, 0); }

    int secondsBelow(int level) const;
    int eventSecondsBelow(int level) const;
    int minimumSpo2() const { return SmallestNonZero(m_spo2Histogram); }
    int minimumPulse() const { return SmallestNonZero(m_pulseHistogram); }
    double averageEventLow(int level) const;
    int eventsBelow(int level) const;
    int totalEventSeconds() const { return TotalDuration(m_events); }
    int totalPulseEventSeconds() const { return TotalDuration(m_pulseEvents); }
    double averageSpo2() const { return NonZeroMean(m_spo2Histogram); }
    double averagePulse() const { return NonZeroMean(m_pulseHistogram); }

  private:
    static std::map<int, int> Histogram(const std::vector<int>& values);
    static int CountOf(const std::map<int, int>& histogram, int value);
    static int SmallestNonZero(const std::map<int, int>& histogram);
    static double NonZeroMean(const std::map<int, int>& histogram);
    static int TotalDuration(const std::map<int, Spo2Event>& events);

    Spo2Parameters m_parameters;
    std::vector<int> m_spo2;
    std::vector<int> m_pulse;
    std::map<int, int> m_spo2Histogram;
    std::map<int, int> m_pulseHistogram;
    std::map<int, Spo2Event> m_events;
    std::map<int, Spo2Event> m_pulseEvents;
};
