#include "service/SoftwareInfo.h"
#include "settings/FieldKinds.h"
#include "settings/Sections.h"

#include <algorithm>

namespace program::settings {

namespace {

using service::SoftwareInfo;

bool wholeNumber(std::string_view text, int& value) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = std::stoi(std::string(text));
    return true;
}

// A limit is put into its edit and the edit is left, so its check runs. An edit
// of a pair the band fitting switches off cannot be reached; it only keeps what
// it shows.
Field<SoftwareInfo> limitField(std::string key, SoftwareInfo::Limit limit) {
    return {std::move(key), "whole MHz: 136 ... 174 for the V band, 350 ... 520 for the U band",
            [limit](const SoftwareInfo& values, Language) {
                return std::to_string(values.limits[limit]);
            },
            [limit](SoftwareInfo& values, std::string_view text) {
                int mhz = 0;
                if (!wholeNumber(text, mhz))
                    return false;
                if (!service::limitEnabled(values, limit))
                    return mhz == values.limits[limit];
                values.limits[limit] = mhz;
                service::checkLimit(values, limit);
                return true;
            }};
}

Field<SoftwareInfo> bandField() {
    const ChoiceList& list = service::freqBandChoices();
    return {"softinfo.freq_band", describeChoices(list),
            [&list](const SoftwareInfo& values, Language language) {
                return list[values.freqBand].pick(language);
            },
            [&list](SoftwareInfo& values, std::string_view text) {
                for (std::size_t at = 0; at < list.size(); ++at) {
                    if (list[at].matches(text)) {
                        service::chooseBand(values, int(at));
                        return true;
                    }
                }
                return false;
            }};
}

// The dialog is used from top to bottom: the maker, the band fitting (which
// sets the limits to its presets), then the limits; a script's assignments are
// made in that order whatever order it names them in.
class SoftInfoSection final : public Section {
public:
    SoftInfoSection() : m_editor("softinfo", service::loadSoftwareInfo, store, fields()) {}

    std::string_view name() const override { return m_editor.name(); }
    std::vector<std::string> keys() const override { return m_editor.keys(); }
    std::vector<Setting> show(const CodeplugImage& image, Language language) const override {
        return m_editor.show(image, language);
    }
    std::string allowedValues(std::string_view key) const override {
        return m_editor.allowedValues(key);
    }
    std::optional<Refusal> apply(CodeplugImage& image,
                                 std::span<const Assignment> assignments) const override {
        const std::vector<std::string> order = keys();
        auto rank = [&order](const Assignment& a) {
            return std::find(order.begin(), order.end(), a.key) - order.begin();
        };
        std::vector<Assignment> sorted(assignments.begin(), assignments.end());
        std::stable_sort(
            sorted.begin(), sorted.end(),
            [&rank](const Assignment& a, const Assignment& b) { return rank(a) < rank(b); });
        return m_editor.apply(image, sorted);
    }

private:
    static void store(const SoftwareInfo& values, CodeplugImage& image) {
        service::storeSoftwareInfo(values, image);
    }

    static std::vector<Field<SoftwareInfo>> fields() {
        using S = SoftwareInfo;
        return {
            listField("softinfo.company", service::companyChoices(), &S::company),
            bandField(),
            limitField("softinfo.low_freq_1", S::LowFreq1),
            limitField("softinfo.high_freq_1", S::HighFreq1),
            limitField("softinfo.low_freq_2", S::LowFreq2),
            limitField("softinfo.high_freq_2", S::HighFreq2),
        };
    }

    EditorSection<SoftwareInfo> m_editor;
};

} // namespace

std::unique_ptr<Section> makeSoftInfoSection() {
    return std::make_unique<SoftInfoSection>();
}

} // namespace program::settings
