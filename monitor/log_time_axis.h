#pragma once
// The time window that the log viewer's plots share: zoom about a point, pan,
// back to the whole log. Times in ms from the log's first row; the window
// never leaves the log and never gets narrower than kMinSpanMs.

#include <cstdint>

class LogTimeAxis {
  public:
    static constexpr double kMinSpanMs = 500.0;

    LogTimeAxis() = default;
    LogTimeAxis(double firstMs, double lastMs);

    double Start() const { return start_; }
    double End() const { return end_; }
    double Span() const { return end_ - start_; }
    double First() const { return first_; }
    double Last() const { return last_; }

    // factor < 1 zooms in, > 1 out; the time under `anchorMs` stays where it is
    // on screen (as far as the log's ends allow).
    void ZoomAt(double anchorMs, double factor);
    void Pan(double deltaMs);
    // The whole log.
    void Home();
    // Keeps the span, puts tMs in the middle.
    void CentreOn(double tMs);
    // Shows [startMs, endMs], kept within the log.
    void SetWindow(double startMs, double endMs);
    bool Contains(double tMs) const { return tMs >= start_ && tMs <= end_; }

  private:
    void Clamp();

    double first_ = 0;
    double last_ = 0;
    double start_ = 0;
    double end_ = 0;
};
