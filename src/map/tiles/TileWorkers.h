// The worker threads both tile pipelines encode on: one encoder each, one of them idle while the
// map is decoded, the first error kept.
#pragma once

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "map/codec/JpegEncoder.h"

/// What the workers of a pipeline do with its tiles; Task is the pipeline's handle of one tile.
template <class Task>
class TileWork {
public:
    virtual ~TileWork() = default;
    /// With the workers' lock held: the next tile that may be encoded now, if any.
    virtual bool TakeTile(bool mapDecoded, Task& task) = 0;
    /// Without the lock, on worker `worker` (0 .. count - 1; count for the calling thread): encodes
    /// the tile, and writes it where the pipeline does. May throw.
    virtual void EncodeTile(int worker, JpegEncoder& encoder, const Task& task) = 0;
    /// With the lock held: the tile is finished; `error` is null on success.
    virtual void TileDone(const Task& task, std::exception_ptr error) = 0;
};

/// The threads, their lock and the rule they share. The pipeline keeps its own state under Mutex()
/// and calls Wake whenever it made work available.
template <class Task>
class TileWorkers {
public:
    /// Starts `count` workers. While the map is not yet decoded the last of them stays idle, so
    /// that the decoding thread keeps a core.
    TileWorkers(TileWork<Task>& work, int count, bool mapDecoded) : Work_(work), Count_(count), Decoded_(mapDecoded) {
        try {
            for (int i = 0; i < count; ++i) Threads_.emplace_back([this, i] { Run(i); });
        } catch (...) {
            Stop();
            throw;
        }
    }
    ~TileWorkers() { Stop(); }
    TileWorkers(const TileWorkers&) = delete;
    TileWorkers& operator=(const TileWorkers&) = delete;

    std::mutex& Mutex() const { return Mutex_; }
    void Wake() { WorkAvailable_.notify_all(); }

    /// With the lock held: every map row is decoded, the idle worker joins in (after Wake).
    void SetDecoded() { Decoded_ = true; }
    /// With the lock held: the first error a tile raised, null while there is none.
    std::exception_ptr FirstError() const { return FirstError_; }

    /// With the lock held: encodes one tile on the calling thread with its own encoder, as a worker
    /// would. False when no tile may be encoded now.
    bool EncodeOneHere(JpegEncoder& encoder, std::unique_lock<std::mutex>& lock) {
        Task task;
        if (!Work_.TakeTile(Decoded_, task)) return false;
        Encode(Count_, &encoder, nullptr, task, lock);
        return true;
    }

private:
    void Run(int worker) {
        std::unique_ptr<JpegEncoder> encoder;
        std::exception_ptr setupError;
        try {
            encoder = std::make_unique<JpegEncoder>();
        } catch (...) {
            setupError = std::current_exception();
        }
        const bool waitsForDecoder = worker == Count_ - 1;
        std::unique_lock lock(Mutex_);
        for (;;) {
            Task task;
            WorkAvailable_.wait(lock,
                                [&] { return Stopping_ || ((Decoded_ || !waitsForDecoder) && Work_.TakeTile(Decoded_, task)); });
            if (Stopping_) return;
            Encode(worker, encoder.get(), setupError, task, lock);
        }
    }

    void Encode(int worker, JpegEncoder* encoder, std::exception_ptr error, const Task& task,
                std::unique_lock<std::mutex>& lock) {
        lock.unlock();
        if (!error) {
            try {
                Work_.EncodeTile(worker, *encoder, task);
            } catch (...) {
                error = std::current_exception();
            }
        }
        lock.lock();
        if (error && !FirstError_) FirstError_ = error;
        Work_.TileDone(task, error);
    }

    void Stop() {
        {
            std::lock_guard lock(Mutex_);
            Stopping_ = true;
        }
        WorkAvailable_.notify_all();
        for (auto& thread : Threads_) {
            if (thread.joinable()) thread.join();
        }
        Threads_.clear();
    }

    TileWork<Task>& Work_;
    int Count_;
    mutable std::mutex Mutex_;
    std::condition_variable WorkAvailable_;
    bool Decoded_;
    bool Stopping_ = false;
    std::exception_ptr FirstError_;
    std::vector<std::thread> Threads_;
};
