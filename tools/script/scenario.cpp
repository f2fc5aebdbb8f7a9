#include "scenario.h"

#include <sstream>

namespace script {

std::optional<std::vector<std::string>> splitWords(const std::string& line, std::string& error) {
    std::vector<std::string> words;
    size_t i = 0;
    const size_t n = line.size();
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        if (i >= n)
            break;
        std::string word;
        if (line[i] != '"') {
            while (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
            words.push_back(word);
            continue;
        }
        ++i;
        bool closed = false;
        while (i < n) {
            char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                word += c;
                continue;
            }
            if (i >= n)
                break;
            char e = line[i++];
            switch (e) {
            case 'r':
                word += '\r';
                break;
            case 'n':
                word += '\n';
                break;
            case 't':
                word += '\t';
                break;
            case '"':
                word += '"';
                break;
            case '\\':
                word += '\\';
                break;
            case 's': {
                auto close = line.find('}', i);
                if (i >= n || line[i] != '{' || close == std::string::npos) {
                    error = "bad \\s{N} escape";
                    return std::nullopt;
                }
                const std::string digits = line.substr(i + 1, close - i - 1);
                if (digits.empty() || digits.size() > 6 ||
                    digits.find_first_not_of("0123456789") != std::string::npos) {
                    error = "bad \\s{N} escape";
                    return std::nullopt;
                }
                word += std::string(std::stoul(digits), ' ');
                i = close + 1;
                break;
            }
            default:
                error = std::string("unknown escape \\") + e;
                return std::nullopt;
            }
        }
        if (!closed) {
            error = "unterminated quote";
            return std::nullopt;
        }
        words.push_back(word);
    }
    return words;
}

std::vector<Command> parseScenario(const std::string& text, std::string& error, int& errorLine) {
    std::vector<Command> commands;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    error.clear();
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        auto words = splitWords(line, error);
        if (!words) {
            errorLine = number;
            return commands;
        }
        commands.push_back({number, *words});
    }
    return commands;
}

std::string escapeValue(const std::string& value, bool whole) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == ' ') {
            size_t j = i;
            while (j < value.size() && value[j] == ' ')
                ++j;
            if (j - i >= 3) {
                out += "\\s{" + std::to_string(j - i) + "}";
                i = j - 1;
            } else {
                out += ' ';
            }
        } else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '"')
            out += "\\\"";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
        // The limit counts the escaped text between the quotes.
        if (!whole && out.size() > 200) {
            out = out.substr(0, 200) + "...";
            break;
        }
    }
    return "\"" + out + "\"";
}

} // namespace script
