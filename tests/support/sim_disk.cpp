#include "sim_disk.h"

#include "core/file_faults.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

namespace testing_support {

namespace {

struct Write {
    qint64 offset = 0;
    QByteArray data; // empty: a resize to `size`
    qint64 size = 0;
};

void apply(QByteArray& bytes, const Write& w) {
    if (w.data.isEmpty()) {
        bytes.resize(w.size, '\0');
        return;
    }
    if (bytes.size() < w.offset + w.data.size()) bytes.resize(w.offset + w.data.size(), '\0');
    std::copy(w.data.begin(), w.data.end(), bytes.begin() + w.offset);
}

enum class Fate { Dropped, Kept, Torn, Zeroed };

} // namespace

struct SimDisk::State {
    struct Node {
        QByteArray durable, now;
        std::vector<Write> pending;
    };
    struct Change {
        QString name, from; // from: a rename
        int node = 0;       // 0: the name is removed
    };
    struct Folder {
        std::map<QString, int> durable, now;
        std::vector<Change> pending;
    };
    std::map<int, Node> nodes;
    std::map<QString, Folder> folders;
    int nextNode = 1;

    static std::pair<QString, QString> split(const QString& path) {
        const QString folder = core::folderOf(path);
        return {folder, path.mid(path.lastIndexOf(u'/') + 1)};
    }
    Folder* folderOf(const QString& path) {
        const auto it = folders.find(split(path).first);
        return it == folders.end() ? nullptr : &it->second;
    }
    int nodeOf(const QString& path) const {
        const auto [folder, name] = split(path);
        const auto f = folders.find(folder);
        if (f == folders.end()) return 0;
        const auto n = f->second.now.find(name);
        return n == f->second.now.end() ? 0 : n->second;
    }
    qint64 used() const {
        std::set<int> live;
        for (const auto& [path, f] : folders)
            for (const auto& [name, node] : f.now)
                live.insert(node);
        qint64 total = 0;
        for (int n : live)
            total += nodes.at(n).now.size();
        return total;
    }
};

class SimFile final : public core::File {
public:
    SimFile(SimDisk& disk, int node, bool writable)
        : disk_(disk), node_(node), writable_(writable) {}

    qint64 size() override { return node_ ? node().now.size() : -1; }

    qint64 read(qint64 offset, char* data, qint64 size) override {
        if (!node_ || !core::faults::allow()) return -1;
        const QByteArray& now = node().now;
        const qint64 got = std::clamp<qint64>(now.size() - offset, 0, size);
        std::copy_n(now.constData() + offset, got, data);
        return got;
    }

    bool write(qint64 offset, const char* data, qint64 size) override {
        if (size == 0) return writable_;
        return change({offset, QByteArray(data, size), 0});
    }

    bool resize(qint64 size) override { return change({0, {}, size}); }

    bool sync() override {
        if (!node_ || !core::faults::allow()) return false;
        node().durable = node().now;
        node().pending.clear();
        disk_.recordState();
        return true;
    }

    core::LockResult lock(bool) override {
        return core::faults::locksRefused() ? core::LockResult::Unsupported
                                            : core::LockResult::Locked;
    }

private:
    SimDisk::State::Node& node() { return disk_.state_->nodes.at(node_); }

    bool change(const Write& w) {
        if (!node_ || !writable_ || !core::faults::allow()) return false;
        QByteArray after = node().now;
        apply(after, w);
        if (disk_.freeSpace_ >= 0 && after.size() > node().now.size() &&
            after.size() - node().now.size() > disk_.freeSpace_)
            return false; // no space left on the device
        if (disk_.freeSpace_ >= 0)
            disk_.freeSpace_ -= std::max<qint64>(0, after.size() - node().now.size());
        node().now = after;
        node().pending.push_back(w);
        disk_.recordState();
        return true;
    }

    SimDisk& disk_;
    int node_;
    bool writable_;
};

SimDisk::SimDisk() : state_(std::make_unique<State>()) {}
SimDisk::SimDisk(const SimDisk& o)
    : core::FileSystem(), state_(std::make_unique<State>(*o.state_)), freeSpace_(o.freeSpace_) {}
SimDisk& SimDisk::operator=(const SimDisk& o) {
    state_ = std::make_unique<State>(*o.state_);
    freeSpace_ = o.freeSpace_;
    recording_ = false;
    states_.clear();
    return *this;
}
SimDisk::~SimDisk() = default;

void SimDisk::recordState() {
    if (recording_) states_.push_back(std::make_shared<const State>(*state_));
}

void SimDisk::record() {
    recording_ = true;
    states_.clear();
    recordState();
}

const SimDisk::State& SimDisk::stateAfter(int operation) const {
    return *states_.at(operation);
}

void SimDisk::addFolder(const QString& path) {
    state_->folders[path];
}

bool SimDisk::makeFolder(const QString& path) {
    if (!state_->folders.count(path)) {
        if (!core::faults::allow()) return false;
        addFolder(path);
    }
    return true;
}

void SimDisk::setFreeSpace(qint64 bytes) {
    freeSpace_ = bytes;
}

void SimDisk::put(const QString& path, const QByteArray& bytes) {
    State::Folder* f = state_->folderOf(path);
    Q_ASSERT(f);
    const int n = state_->nextNode++;
    state_->nodes[n] = {bytes, bytes, {}};
    f->now[State::split(path).second] = n;
    f->durable = f->now;
    Q_ASSERT(f->pending.empty());
}

std::optional<QByteArray> SimDisk::contents(const QString& path) const {
    const int n = state_->nodeOf(path);
    if (!n) return std::nullopt;
    return state_->nodes.at(n).now;
}

std::map<QString, QByteArray> SimDisk::allFiles() const {
    std::map<QString, QByteArray> out;
    for (const auto& [folder, f] : state_->folders)
        for (const auto& [name, node] : f.now)
            out[folder + u'/' + name] = state_->nodes.at(node).now;
    return out;
}

std::unique_ptr<core::File> SimDisk::open(const QString& path, Open mode) {
    if (!core::faults::allow()) return nullptr;
    if (mode == Open::Read && state_->folders.count(path))
        return std::make_unique<SimFile>(*this, 0, false); // a folder, opened to be locked
    State::Folder* f = state_->folderOf(path);
    if (!f) return nullptr;
    int n = state_->nodeOf(path);
    if (mode == Open::CreateNew && n) return nullptr;
    if ((mode == Open::Read || mode == Open::ReadWrite) && !n) return nullptr;
    if (!n) {
        n = state_->nextNode++;
        state_->nodes[n];
        const QString name = State::split(path).second;
        f->now[name] = n;
        f->pending.push_back({name, {}, n});
        recordState();
    }
    auto file = std::make_unique<SimFile>(*this, n, mode != Open::Read);
    if (mode == Open::Truncate && !state_->nodes[n].now.isEmpty() && !file->resize(0))
        return nullptr;
    return file;
}

core::FileSystem::Kind SimDisk::kind(const QString& path) {
    if (state_->folders.count(path)) return Kind::Folder;
    return state_->nodeOf(path) ? Kind::File : Kind::Missing;
}

bool SimDisk::remove(const QString& path) {
    if (!core::faults::allow()) return false;
    State::Folder* f = state_->folderOf(path);
    const QString name = State::split(path).second;
    if (!f || !f->now.erase(name)) return false;
    f->pending.push_back({name, {}, 0});
    recordState();
    return true;
}

bool SimDisk::rename(const QString& from, const QString& to) {
    if (!core::faults::allow()) return false;
    State::Folder* f = state_->folderOf(from);
    const int n = state_->nodeOf(from);
    if (!f || !n || f != state_->folderOf(to)) return false;
    const QString oldName = State::split(from).second, newName = State::split(to).second;
    f->now.erase(oldName);
    f->now[newName] = n;
    f->pending.push_back({newName, oldName, n});
    recordState();
    return true;
}

bool SimDisk::link(const QString& existing, const QString& newName) {
    if (!core::faults::allow()) return false;
    State::Folder* f = state_->folderOf(newName);
    const int n = state_->nodeOf(existing);
    if (!f || !n || state_->nodeOf(newName)) return false;
    const QString name = State::split(newName).second;
    f->now[name] = n;
    f->pending.push_back({name, {}, n});
    recordState();
    return true;
}

bool SimDisk::syncFolder(const QString& folder) {
    if (!core::faults::allow()) return false;
    const auto it = state_->folders.find(folder);
    if (it == state_->folders.end()) return false;
    it->second.durable = it->second.now;
    it->second.pending.clear();
    recordState();
    return true;
}

QStringList SimDisk::entries(const QString& folder) {
    QStringList names;
    const auto it = state_->folders.find(folder);
    if (it != state_->folders.end())
        for (const auto& [name, node] : it->second.now)
            names << name;
    return names;
}

std::vector<SimDisk> SimDisk::crashes(const State& state, size_t limit, unsigned seed) {
    std::vector<int> files;    // nodes with pending writes
    std::vector<QString> dirs; // folders with pending changes
    size_t folderChanges = 0;
    for (const auto& [n, node] : state.nodes)
        if (!node.pending.empty()) files.push_back(n);
    for (const auto& [path, f] : state.folders)
        if (!f.pending.empty()) {
            dirs.push_back(path);
            folderChanges += f.pending.size();
        }
    // One choice: a fate per file, then a kept-or-lost bit per folder change.
    const auto build = [&](const std::vector<Fate>& fates, const std::vector<bool>& kept) {
        SimDisk disk;
        State& s = *disk.state_;
        s = state;
        for (auto& [n, node] : s.nodes) {
            const auto at = std::find(files.begin(), files.end(), n);
            QByteArray bytes = node.durable;
            const Fate fate = at == files.end() ? Fate::Dropped : fates[at - files.begin()];
            for (const Write& w : node.pending) {
                if (fate == Fate::Dropped) break;
                if (fate == Fate::Kept || w.data.isEmpty()) {
                    apply(bytes, w);
                } else if (fate == Fate::Zeroed) {
                    apply(bytes, {w.offset, QByteArray(w.data.size(), '\0'), 0});
                } else { // torn: the sectors before the first boundary inside the write land
                    const qint64 cut = (w.offset / 512 + 1) * 512 - w.offset;
                    if (cut < w.data.size()) apply(bytes, {w.offset, w.data.left(cut), 0});
                }
            }
            node.durable = node.now = bytes;
            node.pending.clear();
        }
        size_t bit = 0;
        for (auto& [path, f] : s.folders) {
            std::map<QString, int> names = f.durable;
            for (const State::Change& c : f.pending) {
                if (!kept[bit++]) continue;
                if (!c.from.isEmpty()) names.erase(c.from);
                if (c.node)
                    names[c.name] = c.node;
                else
                    names.erase(c.name);
            }
            f.durable = f.now = names;
            f.pending.clear();
        }
        return disk;
    };
    const auto choice = [&](quint64 index, std::vector<Fate>& fates, std::vector<bool>& kept) {
        fates.assign(files.size(), Fate::Dropped);
        kept.assign(folderChanges, false);
        for (auto& fate : fates) {
            fate = Fate(index % 4);
            index /= 4;
        }
        for (size_t i = 0; i < folderChanges; ++i) {
            kept[i] = index % 2;
            index /= 2;
        }
    };
    const double total = std::pow(4.0, double(files.size())) * std::pow(2.0, double(folderChanges));
    std::vector<SimDisk> out;
    std::vector<Fate> fates;
    std::vector<bool> kept;
    if (total <= double(limit)) {
        for (quint64 i = 0; i < quint64(total); ++i) {
            choice(i, fates, kept);
            out.push_back(build(fates, kept));
        }
        return out;
    }
    std::mt19937_64 rng(seed);
    out.push_back(build(std::vector<Fate>(files.size(), Fate::Dropped),
                        std::vector<bool>(folderChanges, false)));
    out.push_back(
        build(std::vector<Fate>(files.size(), Fate::Kept), std::vector<bool>(folderChanges, true)));
    while (out.size() < limit) {
        fates.clear();
        for (size_t i = 0; i < files.size(); ++i)
            fates.push_back(Fate(rng() % 4));
        kept.clear();
        for (size_t i = 0; i < folderChanges; ++i)
            kept.push_back(rng() % 2);
        out.push_back(build(fates, kept));
    }
    return out;
}

} // namespace testing_support
