#pragma once
// A media service for tests: players that only record what they are asked,
// named by their creation order (wump, subping, explode, clicker, music).

#include <set>
#include <string>
#include <vector>

#include "audio/MediaPlayer.h"

namespace zorvane::test {

class FakeMediaService;

class FakePlayer : public MediaPlayer {
  public:
    FakePlayer(FakeMediaService& service, std::string name) : service_(service), name_(name) {}

    std::string Open(const std::string& fileName) override;
    void Close() override {
        Record("close");
        open_ = false;
        mode_ = PlayerMode::NotReady;
    }
    bool IsOpen() const override { return open_; }
    const std::string& FileName() const override { return file_; }
    std::string Play() override { return Act("play", PlayerMode::Playing); }
    std::string Stop() override { return Act("stop", PlayerMode::Stopped); }
    std::string Rewind() override { return Act("rewind", mode_); }
    std::string Pause() override {
        if (mode_ == PlayerMode::Playing) {
            return Act("pause", PlayerMode::Paused);
        }
        return Act("pause", mode_ == PlayerMode::Paused ? PlayerMode::Playing : mode_);
    }
    PlayerMode Mode() const override { return mode_; }

    // The play ends by itself; its notice is delivered later by the test.
    void Finish() { mode_ = PlayerMode::Stopped; }
    void Notify() {
        if (OnNotify) {
            OnNotify();
        }
    }

  private:
    void Record(const std::string& what);
    std::string Act(const std::string& what, PlayerMode next) {
        if (!open_) {
            return kNoDeviceOpen;
        }
        Record(what);
        mode_ = next;
        return {};
    }

    FakeMediaService& service_;
    std::string name_;
    std::string file_;
    bool open_ = false;
    PlayerMode mode_ = PlayerMode::NotReady;
};

class FakeMediaService : public MediaService {
  public:
    std::unique_ptr<MediaPlayer> CreatePlayer(bool) override {
        static const char* kNames[] = {"wump", "subping", "explode", "clicker", "music"};
        auto player = std::make_unique<FakePlayer>(*this, kNames[created_++ % 5]);
        players.push_back(player.get());
        return player;
    }
    FakePlayer& Player(int index) { return *players.at(index); }
    bool DeviceOpen() const override { return deviceOpen; }
    bool deviceOpen = true;

    std::vector<std::string> log;
    // Names whose open fails; the empty name always fails.
    std::set<std::string> unreadable;
    std::vector<FakePlayer*> players;

  private:
    int created_ = 0;
};

inline void FakePlayer::Record(const std::string& what) {
    service_.log.push_back(name_ + " " + what);
}

inline std::string FakePlayer::Open(const std::string& fileName) {
    if (open_) {
        Close();
    }
    Record("open " + fileName);
    if (fileName.empty() || service_.unreadable.count(fileName)) {
        return "The file cannot be played";
    }
    file_ = fileName;
    open_ = true;
    mode_ = PlayerMode::Stopped;
    return {};
}

}  // namespace zorvane::test
