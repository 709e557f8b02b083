#include "comm/link_health.h"

#include <sys/stat.h>

void LinkHealth::Opened(const std::string& nodePath) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        nodePath_ = nodePath;
    }
    answered_ = false;
    misses_ = 0;
    open_ = true;
}

void LinkHealth::Closed() {
    open_ = false;
    lost_ = false;
    misses_ = 0;
}

std::string LinkHealth::NodePath() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return nodePath_;
}

void LinkHealth::AnswerReceived() {
    answered_ = true;
    misses_ = 0;
}

void LinkHealth::AnswerMissed() {
    if (!answered_.load())
        return;
    if (misses_.fetch_add(1) + 1 >= kMissesForLoss)
        MarkLost();
}

void LinkHealth::DeviceFailed() {
    MarkLost();
}

void LinkHealth::Recovered() {
    misses_ = 0;
    lost_ = false;
}

bool LinkHealth::NodeGone() const {
    std::string path;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        path = nodePath_;
    }
    struct stat info {};
    return open_.load() && !path.empty() && ::stat(path.c_str(), &info) != 0;
}

void LinkHealth::MarkLost() {
    if (!lost_.exchange(true))
        losses_.fetch_add(1);
}
