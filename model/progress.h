#pragma once

// The progress bar a long computation steps, handed in by whoever shows it.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void progress_set_position(int position) = 0;
    virtual void progress_set_max(int max) = 0;
    // Advances by one and stops at the maximum.
    virtual void progress_step() = 0;
};

// A bar nobody sees.
class SilentProgress final : public ProgressSink {
  public:
    void progress_set_position(int) override {}
    void progress_set_max(int) override {}
    void progress_step() override {}
};
