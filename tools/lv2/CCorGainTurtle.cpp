#include "CCorGainTurtle.hpp"

#include "CCorGainFactoryPrograms.hpp"
#include "CCorGainLv2Ports.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace Tenvira { namespace Lv2Turtle {

using Corvane::CorGain::CCorGainFactoryPrograms;
using Corvane::CorGain::CCorGainLv2Ports;

namespace {

const std::string kUri = CCorGainLv2Ports::CCORGAINLV2PORTS_URI;

const char* const kPrefixes =
    "@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
    "@prefix foaf: <http://xmlns.com/foaf/0.1/> .\n"
    "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
    "@prefix pg: <http://lv2plug.in/ns/ext/port-groups#> .\n"
    "@prefix pprops: <http://lv2plug.in/ns/ext/port-props#> .\n"
    "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
    "@prefix rdf: <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
    "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
    "@prefix ui: <http://lv2plug.in/ns/extensions/ui#> .\n"
    "@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n";

std::string quoted(const std::string& text)
{
    std::string result = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            result += '\\';
        }
        result += c;
    }
    return result + "\"";
}

std::string uri(const std::string& text)
{
    return "<" + text + ">";
}

// The unit of a parameter's label as an LV2 unit; empty for none.
std::string unitFor(const char* unit)
{
    const std::pair<const char*, const char*> known[] = {
        {"dB", "units:db"},
        {"ms", "units:ms"},
        {"%", "units:pc"},
        {":1",
         "[\n            a units:Unit ;\n            rdfs:label \"ratio\" ;\n            units:symbol \":1\" ;\n"
         "            units:render \"%.2f:1\"\n        ]"},
    };
    for (const auto& entry : known) {
        if (std::strcmp(unit, entry.first) == 0) {
            return entry.second;
        }
    }
    return "";
}

// The stereo groups the audio ports belong to.
const struct {
    const char* fragment;
    const char* type;
    const char* label;
} kGroups[] = {{"in", "pg:InputGroup", "Input"}, {"out", "pg:OutputGroup", "Output"}, {"key", "pg:InputGroup", "Key"}};

}  // namespace

CCorGainTurtle::CCorGainTurtle(std::string dspBinary, std::string uiBinary)
    : m_table(),
      m_dspBinary(std::move(dspBinary)),
      m_uiBinary(std::move(uiBinary))
{}

std::string CCorGainTurtle::presetUri(int program)
{
    return kUri + "/preset/" + std::to_string(program);
}

bool CCorGainTurtle::sameSetting(int index, float a, float b) const
{
    if (m_table.getStopCount(index) > 0) {
        // A choice is its stop; which value inside the stop's share does not matter.
        return m_table.getParameter(index).GetIntDataFor(a) == m_table.getParameter(index).GetIntDataFor(b);
    }
    return a == b;
}

std::string CCorGainTurtle::decimalFor(int index, float value) const
{
    const double units = m_table.unitsFor(index, value);
    for (int decimals = 1; decimals <= 17; ++decimals) {
        char text[64];
        std::snprintf(text, sizeof(text), "%.*f", decimals, units);
        if (sameSetting(index, m_table.valueForUnits(index, std::strtod(text, nullptr)), value)) {
            return text;
        }
    }
    throw std::runtime_error("no decimal reads back as value " + std::to_string(value) + " of parameter " +
                             std::to_string(index));
}

std::string CCorGainTurtle::manifest() const
{
    std::string text = kPrefixes;
    text += "\n" + uri(kUri) + "\n    a lv2:Plugin ;\n    lv2:binary " + uri(m_dspBinary) + " ;\n    rdfs:seeAlso " +
            uri(CCORGAINTURTLE_PLUGIN_FILE) + " .\n";
    if (!m_uiBinary.empty()) {
        // The editor embeds itself in the host's window and is served by the host's idle calls; it has one
        // size, which it tells hosts that can be told. lv2:binary names the module for current hosts,
        // ui:binary for older ones. Hosts send control inputs to a UI by default; the meter's output is
        // asked for.
        text += "\n" + uri(CCorGainLv2Ports::CCORGAINLV2PORTS_UI_URI) + "\n    a ui:X11UI ;\n    lv2:binary " +
                uri(m_uiBinary) + " ;\n    ui:binary " + uri(m_uiBinary) +
                " ;\n    lv2:requiredFeature ui:parent , ui:idleInterface ;\n"
                "    lv2:optionalFeature ui:resize , ui:noUserResize , <http://lv2plug.in/ns/ext/options#options> ;\n"
                "    <http://lv2plug.in/ns/ext/options#supportedOption> ui:scaleFactor ;\n"
                "    lv2:extensionData ui:idleInterface , <http://lv2plug.in/ns/ext/options#interface> ;\n"
                "    ui:portNotification [\n        ui:plugin " +
                uri(kUri) + " ;\n        lv2:symbol " +
                quoted(CCorGainLv2Ports::getPort(CCorGainLv2Ports::CCORGAINLV2PORTS_LEVEL_PORT).symbol) +
                " ;\n        ui:protocol ui:floatProtocol\n    ] .\n";
    }
    for (int p = 0; p < CCorGainFactoryPrograms::CCORGAINFACTORYPROGRAMS_COUNT; ++p) {
        text += "\n" + uri(presetUri(p)) + "\n    a pset:Preset ;\n    lv2:appliesTo " + uri(kUri) +
                " ;\n    rdfs:label " + quoted(CCorGainFactoryPrograms::getName(p)) + " ;\n    rdfs:seeAlso " +
                uri(CCORGAINTURTLE_PRESETS_FILE) + " .\n";
    }
    return text;
}

std::string CCorGainTurtle::controlPort(unsigned port) const
{
    const CCorGainLv2Ports::SPort& p = CCorGainLv2Ports::getPort(port);
    const int index = p.parameter;
    const float* defaults = CCorGainFactoryPrograms::getValues(0);
    std::string text = "        a lv2:InputPort , lv2:ControlPort ;\n";
    text += "        lv2:index " + std::to_string(port) + " ;\n";
    text += "        lv2:symbol " + quoted(p.symbol) + " ;\n";
    text += "        lv2:name " + quoted(p.name) + " ;\n";
    text += "        lv2:default " + decimalFor(index, defaults[index]) + " ;\n";
    text += "        lv2:minimum " + decimalFor(index, 0.0f) + " ;\n";
    text += "        lv2:maximum " + decimalFor(index, 1.0f);
    char unit[CVstParam::CVSTPARAM_TEXT_SIZE];
    m_table.getUnit(index, unit);
    if (!unitFor(unit).empty()) {
        text += " ;\n        units:unit " + unitFor(unit);
    }
    std::string properties;
    const std::pair<unsigned, const char*> names[] = {
        {CCorGainLv2Ports::CCORGAINLV2PORTS_INTEGER, "lv2:integer"},
        {CCorGainLv2Ports::CCORGAINLV2PORTS_TOGGLED, "lv2:toggled"},
        {CCorGainLv2Ports::CCORGAINLV2PORTS_ENUMERATION, "lv2:enumeration"},
        {CCorGainLv2Ports::CCORGAINLV2PORTS_LOGARITHMIC, "pprops:logarithmic"}};
    for (const auto& name : names) {
        if ((p.hints & name.first) != 0) {
            properties += std::string(properties.empty() ? "" : " , ") + name.second;
        }
    }
    if (!properties.empty()) {
        text += " ;\n        lv2:portProperty " + properties;
    }
    if ((p.hints & CCorGainLv2Ports::CCORGAINLV2PORTS_ENUMERATION) != 0) {
        // One point per stop, labelled as the VST build shows it.
        for (int stop = 0; stop < m_table.getStopCount(index); ++stop) {
            char label[CVstParam::CVSTPARAM_TEXT_SIZE];
            m_table.getStopName(index, stop, label);
            text += std::string(stop == 0 ? " ;\n        lv2:scalePoint " : " , ") + "[\n            rdfs:label " +
                    quoted(label) + " ;\n            rdf:value " +
                    decimalFor(index, m_table.valueForUnits(index, stop)) + "\n        ]";
        }
    }
    return text;
}

std::string CCorGainTurtle::plugin() const
{
    std::string text = kPrefixes;
    for (const auto& group : kGroups) {
        text += "\n" + uri(kUri + "#" + group.fragment) + "\n    a pg:StereoGroup , " + group.type +
                " ;\n    lv2:symbol " + quoted(group.fragment) + " ;\n    rdfs:label " + quoted(group.label);
        if (std::strcmp(group.fragment, "key") == 0) {
            text += " ;\n    pg:sideChainOf " + uri(kUri + "#in");
        }
        text += " .\n";
    }
    text += "\n" + uri(kUri) +
            "\n    a lv2:Plugin , lv2:CompressorPlugin , doap:Project ;\n"
            "    doap:name \"Tenvira\" ;\n"
            "    doap:maintainer [\n        a foaf:Person ;\n        foaf:name \"Tolvek Orvasse Audio\"\n    ] ;\n"
            "    rdfs:comment \"Stereo side-chain compressor with key equaliser, valve saturation and look-ahead "
            "limiter.\" ;\n"
            "    lv2:minorVersion 0 ;\n"
            "    lv2:microVersion 0 ;\n"
            "    lv2:optionalFeature lv2:hardRTCapable ;\n"
            "    pg:mainInput " +
            uri(kUri + "#in") + " ;\n    pg:mainOutput " + uri(kUri + "#out");
    if (!m_uiBinary.empty()) {
        text += " ;\n    ui:ui " + uri(CCorGainLv2Ports::CCORGAINLV2PORTS_UI_URI);
    }
    for (unsigned port = 0; port < CCorGainLv2Ports::CCORGAINLV2PORTS_COUNT; ++port) {
        const CCorGainLv2Ports::SPort& p = CCorGainLv2Ports::getPort(port);
        text += std::string(port == 0 ? " ;\n    lv2:port [\n" : " , [\n");
        switch (p.type) {
        case CCorGainLv2Ports::CCORGAINLV2PORTS_AUDIO_IN:
        case CCorGainLv2Ports::CCORGAINLV2PORTS_AUDIO_OUT: {
            const bool input = p.type == CCorGainLv2Ports::CCORGAINLV2PORTS_AUDIO_IN;
            const bool key = (p.hints & CCorGainLv2Ports::CCORGAINLV2PORTS_SIDE_CHAIN) != 0;
            const bool left = p.symbol[std::strlen(p.symbol) - 1] == 'l';
            text += std::string("        a lv2:") + (input ? "InputPort" : "OutputPort") + " , lv2:AudioPort ;\n";
            text += "        lv2:index " + std::to_string(port) + " ;\n";
            text += "        lv2:symbol " + quoted(p.symbol) + " ;\n";
            text += "        lv2:name " + quoted(p.name) + " ;\n";
            text += "        pg:group " + uri(kUri + (key ? "#key" : input ? "#in" : "#out")) + " ;\n";
            text += std::string("        lv2:designation ") + (left ? "pg:left" : "pg:right");
            if (key) {
                text += " ;\n        lv2:portProperty lv2:isSideChain , lv2:connectionOptional";
            }
            break;
        }
        case CCorGainLv2Ports::CCORGAINLV2PORTS_CONTROL_IN:
            text += controlPort(port);
            break;
        case CCorGainLv2Ports::CCORGAINLV2PORTS_CONTROL_OUT:
            text += "        a lv2:OutputPort , lv2:ControlPort ;\n";
            text += "        lv2:index " + std::to_string(port) + " ;\n";
            text += "        lv2:symbol " + quoted(p.symbol) + " ;\n";
            text += "        lv2:name " + quoted(p.name) + " ;\n";
            if ((p.hints & CCorGainLv2Ports::CCORGAINLV2PORTS_LATENCY) != 0) {
                // The look-ahead in samples, which hosts compensate.
                text += "        lv2:designation lv2:latency ;\n";
                text += "        lv2:portProperty lv2:reportsLatency , lv2:integer , pprops:notOnGUI ;\n";
                text += "        units:unit units:frame";
            } else {
                // The block's peak output level, linear: the meter's reading.
                text += "        lv2:minimum 0.0 ;\n        lv2:maximum 1.0";
            }
            break;
        }
        text += "\n    ]";
    }
    return text + " .\n";
}

std::string CCorGainTurtle::presets() const
{
    std::string text = kPrefixes;
    for (int p = 0; p < CCorGainFactoryPrograms::CCORGAINFACTORYPROGRAMS_COUNT; ++p) {
        const float* values = CCorGainFactoryPrograms::getValues(p);
        text += "\n" + uri(presetUri(p)) + "\n    a pset:Preset ;\n    lv2:appliesTo " + uri(kUri) +
                " ;\n    rdfs:label " + quoted(CCorGainFactoryPrograms::getName(p));
        for (unsigned port = CCorGainLv2Ports::CCORGAINLV2PORTS_FIRST_CONTROL;
             port < CCorGainLv2Ports::CCORGAINLV2PORTS_LATENCY_PORT; ++port) {
            const CCorGainLv2Ports::SPort& control = CCorGainLv2Ports::getPort(port);
            text += std::string(port == CCorGainLv2Ports::CCORGAINLV2PORTS_FIRST_CONTROL ? " ;\n    lv2:port [\n"
                                                                                         : " , [\n") +
                    "        lv2:symbol " + quoted(control.symbol) + " ;\n        pset:value " +
                    decimalFor(control.parameter, values[control.parameter]) + "\n    ]";
        }
        text += " .\n";
    }
    return text;
}

}}  // namespace Tenvira::Lv2Turtle
