#include "monitor/log_time_axis.h"

#include <algorithm>

LogTimeAxis::LogTimeAxis(double firstMs, double lastMs)
    : first_(firstMs), last_(std::max(lastMs, firstMs)) {
    Home();
}

void LogTimeAxis::Home() {
    start_ = first_;
    end_ = std::max(last_, first_ + kMinSpanMs);
}

void LogTimeAxis::ZoomAt(double anchorMs, double factor) {
    if (factor <= 0)
        return;
    anchorMs = std::clamp(anchorMs, start_, end_);
    const double wholeSpan = std::max(last_ - first_, kMinSpanMs);
    const double span = std::clamp(Span() * factor, kMinSpanMs, wholeSpan);
    const double share = Span() > 0 ? (anchorMs - start_) / Span() : 0.5;
    start_ = anchorMs - share * span;
    end_ = start_ + span;
    Clamp();
}

void LogTimeAxis::Pan(double deltaMs) {
    start_ += deltaMs;
    end_ += deltaMs;
    Clamp();
}

void LogTimeAxis::CentreOn(double tMs) {
    const double span = Span();
    start_ = tMs - span / 2;
    end_ = start_ + span;
    Clamp();
}

void LogTimeAxis::Clamp() {
    const double span = Span();
    const double lastEnd = std::max(last_, first_ + kMinSpanMs);
    if (end_ > lastEnd) {
        end_ = lastEnd;
        start_ = end_ - span;
    }
    if (start_ < first_) {
        start_ = first_;
        end_ = std::min(start_ + span, lastEnd);
    }
}

void LogTimeAxis::SetWindow(double startMs, double endMs) {
    const double wholeSpan = std::max(last_ - first_, kMinSpanMs);
    start_ = startMs;
    end_ = startMs + std::clamp(endMs - startMs, kMinSpanMs, wholeSpan);
    Clamp();
}
