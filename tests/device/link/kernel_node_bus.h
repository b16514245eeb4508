#pragma once
// Stands in for the kernel's hidraw nodes of one virtual mouse. Each node is a whole interface
// with its own report descriptor; as the kernel does, every node passes any feature report on
// to the mouse, and only a node whose descriptor declares input report 0x42 carries the status
// reports. A node may refuse to open (no permission) or answer get requests short.

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "device/hid/hid_backend.h"
#include "device/hid/report_descriptor.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "device/wire.h"

namespace gm::device::testing {

class KernelNodeBus final : public hid::Backend {
public:
    struct Node {
        std::string path;
        std::vector<std::uint8_t> descriptor;
        bool permissionDenied = false;
        std::size_t answerBytes = 0;  // bytes of each get answer, report id included; 0: all
    };

    // An opened node; `path` tells tests which node a link handle came from.
    class NodeDevice final : public hid::Device {
    public:
        NodeDevice(const Node& node, std::shared_ptr<hid::Device> features,
                   std::shared_ptr<hid::Device> input)
            : path(node.path),
              node_(node),
              features_(std::move(features)),
              input_(std::move(input)) {}

        hid::TransferResult setFeature(std::span<const std::uint8_t> report) override {
            return features_->setFeature(report);
        }
        hid::TransferResult getFeature(std::span<std::uint8_t> report) override {
            const std::vector<std::uint8_t> before(report.begin(), report.end());
            hid::TransferResult got = features_->getFeature(report);
            const std::size_t answer = node_.answerBytes;
            if (got && answer > 0 && answer < got.length) {
                std::copy(before.begin() + static_cast<std::ptrdiff_t>(answer), before.end(),
                          report.begin() + static_cast<std::ptrdiff_t>(answer));
                got.length = answer;
            }
            return got;
        }
        hid::ReadResult readInput(std::span<std::uint8_t> buffer,
                                  std::chrono::milliseconds timeout) override {
            return input_->readInput(buffer, timeout);
        }
        void interruptRead() override { input_->interruptRead(); }

        const std::string path;

    private:
        const Node& node_;
        std::shared_ptr<hid::Device> features_;
        std::shared_ptr<hid::Device> input_;
    };

    explicit KernelNodeBus(sim::VirtualMouse& mouse) : mouse_(mouse) { mouseBus_.attach(mouse); }

    Node& add(std::string path, std::vector<std::uint8_t> descriptor) {
        nodes_.push_back({std::move(path), std::move(descriptor)});
        return nodes_.back();
    }

    std::vector<hid::InterfaceInfo> enumerate() override {
        std::vector<hid::InterfaceInfo> infos;
        if (mouse_.present()) {
            for (const Node& node : nodes_) {
                infos.push_back({node.path, sim::VirtualMouse::kDefaultVendorId,
                                 sim::VirtualMouse::kDefaultProductId,
                                 sim::VirtualMouse::kDefaultVersion, node.descriptor});
            }
        }
        return infos;
    }

    int countPresent() override { return static_cast<int>(enumerate().size()); }

    hid::OpenResult open(const std::string& path) override {
        const auto node = std::find_if(nodes_.begin(), nodes_.end(),
                                       [&](const Node& n) { return n.path == path; });
        const auto interfaces = mouse_.interfaces();
        if (node == nodes_.end() || interfaces.size() != sim::kMouseInterfaceCount) {
            return {nullptr, hid::OpenError::NotFound, path + ": no such node"};
        }
        if (node->permissionDenied) {
            return {nullptr, hid::OpenError::PermissionDenied, path + ": permission denied"};
        }
        const auto& vendorPath = interfaces[static_cast<std::size_t>(sim::MouseInterface::Vendor)];
        const auto& pointerPath =
            interfaces[static_cast<std::size_t>(sim::MouseInterface::Pointer)];
        const bool status = hid::findReport(hid::parseReportDescriptor(node->descriptor),
                                            hid::ReportType::Input, kStatusReportId)
                                .has_value();
        auto features = mouseBus_.open(vendorPath.path).device;
        auto input = status ? features : mouseBus_.open(pointerPath.path).device;
        return {std::make_shared<NodeDevice>(*node, features, input), hid::OpenError::None, ""};
    }

    // The node a link handle was opened on ("" for none).
    static std::string nodeOf(const std::shared_ptr<hid::Device>& handle) {
        const auto* device = dynamic_cast<const NodeDevice*>(handle.get());
        return device != nullptr ? device->path : "";
    }

private:
    sim::VirtualMouse& mouse_;
    sim::VirtualBus mouseBus_;
    std::deque<Node> nodes_;  // a deque: references from add() stay valid
};

}  // namespace gm::device::testing
