#include "data/crx4data.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <thread>
#include <utility>
#include <vector>

#include "data/store_text.h"
#include "i18n/ui_text.h"

namespace {

// The program's fixed scrambling key: 205 printable characters.
constexpr char kFixedKey[] =
    "6,0,/JlWx:a/G9;YAgA%Vi-6MnqxL|.Yqd$YPofy("
    "_BBGj&{P$@Hn5MUj#nF1:aG;'Y;]LvTZU`pg4{vSt"
    "yjZL62};z[jINjVu;ZiSh]RDlytq$b&13{O8hQ,q2"
    "!ccJ%K.=.=dOi-E3#zdQ+5RaTwCz#eBk2y1CRlO#0"
    "h@Q,mW1xUvg,n<7o<,!hGQxxi/J:LD+~co|,j!7.%";
static_assert(sizeof(kFixedKey) - 1 == 205, "the fixed key has 205 characters");

constexpr const char* kErrorTitle = TR_NOOP("CRX4DATA ERROR");
constexpr const char* kErrorTexts[] = {
    TR_NOOP("ERRO ALOCANDO MEMORIA PARA ESTRUTURA PRINCIPAL DA CLASSE CRX4DATA"),
    TR_NOOP("ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE"),
    TR_NOOP("ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO. REVEJA O TEMPLATE OU ALTERE A "
            "QUANTIDADE MAXIMA DE PALAVRAS CHAVES SUPORTADA"),
    TR_NOOP("A FUNCAO [FindValue] RETORNOU UM VALOR NAO PREVISTO POR FAVOR ENTRE EM CONTATO COM O "
            "SUPORTE TECNICO INFORMANDO ESSA OCORRENCIA"),
    TR_NOOP("ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE DURANTE OPERACAO DE "
            "CLONAGEM"),
};

std::mutex& HandlerMutex() {
    static std::mutex mutex;
    return mutex;
}

FatalErrorHandler& Handler() {
    static FatalErrorHandler handler;
    return handler;
}

bool IsEmpty(const char* text) {
    return text == nullptr || text[0] == '\0';
}

// Copies at most 3 characters into a zero-filled 4-byte field, so that the
// bytes after the terminator never make two equal keys compare different.
void CopyField(char (&field)[4], const char* text) {
    std::memset(field, 0, sizeof field);
    if (text != nullptr) {
        std::strncpy(field, text, sizeof field - 1);
    }
}

int CompareKeys(const CKeywordData& a, const void* key, std::size_t length) {
    return std::memcmp(&a, key, length);
}

}  // namespace

static_assert(offsetof(CKeywordData, group) == 0 && offsetof(CKeywordData, index) == 4 &&
                  offsetof(CKeywordData, keyword) == 8,
              "the sort key is the first twelve bytes of an entry");

CKeywordData CRX4DATA::MakeKey(const char* keyword) {
    CKeywordData key{};
    key.index = -1;
    CopyField(key.keyword, keyword);
    return key;
}

void SetFatalErrorHandler(FatalErrorHandler handler) {
    std::lock_guard<std::mutex> guard(HandlerMutex());
    Handler() = std::move(handler);
}

CRX4DATA::CRX4DATA() {
    Lock();
    capacity_ = kDefaultCapacity;
    Inicializa();
    CopyFixedKey();
    UnLock();
}

CRX4DATA::CRX4DATA(uint32_t count) {
    Lock();
    capacity_ = count;
    Inicializa();
    UnLock();
}

CRX4DATA::~CRX4DATA() {
    Lock();
    FreeValues();
    delete[] entries_;
    entries_ = nullptr;
    UnLock();
}

CRX4DATA& CRX4DATA::operator=(const CRX4DATA& source) {
    // Copy the pairs first: adding to ourselves (or replacing a value) frees
    // the bytes being read.
    std::vector<std::pair<std::string, std::string>> pairs;
    {
        StoreLock guard(source);
        for (uint32_t i = 0; i < source.used_; ++i) {
            pairs.emplace_back(EntryKeyword(source.entries_[i]), EntryValue(source.entries_[i]));
        }
    }
    for (const auto& pair : pairs) {
        // The value travels as text: it ends at its first zero byte.
        Add(pair.first.c_str(), pair.second.c_str());
    }
    return *this;
}

void CRX4DATA::Inicializa() {
    used_ = 0;
    entries_ = new (std::nothrow) CKeywordData[capacity_]();
    if (entries_ == nullptr) {
        ShowErro(0);
    }
    sorted_ = 0;
}

void CRX4DATA::Zeradora() {
    Lock();
    FreeValues();
    std::memset(entries_, 0, sizeof(CKeywordData) * used_);
    used_ = 0;
    sorted_ = 0;
    CopyFixedKey();
    UnLock();
}

// An empty value counts as no value: the store never holds zero-byte values.
CRX4DATA_RESULT CRX4DATA::Add(const char* keyword, const char* value) {
    if (IsEmpty(keyword)) {
        return DATA_NO_KEYWORD;
    }
    if (IsEmpty(value)) {
        return DATA_NO_VALUE;
    }
    const auto size = static_cast<uint16_t>(std::min<std::size_t>(std::strlen(value), UINT16_MAX));
    CKeywordData entry = MakeKey(keyword);
    entry.size = size;
    entry.value = new (std::nothrow) unsigned char[size];
    if (entry.value == nullptr) {
        ShowErro(1);
    }
    std::memcpy(entry.value, value, size);
    return Add(entry);
}

CRX4DATA_RESULT CRX4DATA::Add(CKeywordData entry) {
    Lock();
    int32_t position = -1;
    CRX4DATA_RESULT found = FindValue(entry, &position);
    bool replaced = false;
    if (found == DATA_OK) {
        delete[] entries_[position].value;
        entries_[position] = entry;
        replaced = true;
    } else if (found == DATA_INSERT_AT || found == DATA_NOT_FOUND) {
        if (used_ >= capacity_) {
            // Only a store of capacity 0 gets here: any other one has already
            // stopped when its used count reached the capacity.
            delete[] entry.value;
            UnLock();
            ShowErro(2);
        }
        if (found == DATA_INSERT_AT) {
            std::memmove(&entries_[position + 1], &entries_[position],
                         sizeof(CKeywordData) * (used_ - static_cast<uint32_t>(position)));
            entries_[position] = entry;
        } else {
            entries_[used_] = entry;
        }
        ++used_;
    } else {
        UnLock();
        ShowErro(3);
    }
    // The capacity check and the first sort read the shared counts: they stay
    // under the lock, or another thread's Add or Zeradora could change them
    // between the check and the sort.
    const bool full = used_ >= capacity_;
    if (!sorted_) {
        SortValues();
    }
    UnLock();
    if (full) {
        ShowErro(2);
    }
    return replaced ? DATA_REPLACED : DATA_OK;
}

CRX4DATA_RESULT CRX4DATA::Get(const char* keyword, uint16_t* size, unsigned char** value) {
    if (IsEmpty(keyword)) {
        return DATA_NO_KEYWORD;
    }
    const CKeywordData key = MakeKey(keyword);
    StoreLock guard(*this);
    int32_t position = -1;
    if (FindValue(key, &position) != DATA_OK) {
        return DATA_NOT_FOUND;
    }
    *size = entries_[position].size;
    *value = entries_[position].value;
    return DATA_OK;
}

void CRX4DATA::Lock() const {
    while (!mutex_.try_lock()) {
        std::this_thread::yield();
    }
}

void CRX4DATA::UnLock() const {
    mutex_.unlock();
}

void CRX4DATA::ShowErro(int code) {
    const char* original = (code >= 0 && code < 5) ? kErrorTexts[code] : kErrorTexts[3];
    // In the run's language, for the stop box and the command-line tool
    // alike; as written when even that cannot be allocated.
    std::string title, text;
    try {
        title = TrStd(kErrorTitle);
        text = TrStd(original);
    } catch (const std::bad_alloc&) {
        title.clear();
        text.clear();
    }
    const char* shownTitle = title.empty() ? kErrorTitle : title.c_str();
    const char* shownText = text.empty() ? original : text.c_str();
    FatalErrorHandler handler;
    {
        std::lock_guard<std::mutex> guard(HandlerMutex());
        handler = Handler();
    }
    if (handler) {
        handler(shownTitle, shownText);
    } else {
        std::fprintf(stderr, "%s: %s\n", shownTitle, shownText);
    }
    std::_Exit(-1);
}

CRX4DATA_RESULT CRX4DATA::FindValue(const CKeywordData& key, int32_t* position) const {
    const std::size_t length = kKeyBytes;
    *position = -1;
    if (used_ == 0) {
        return DATA_NOT_FOUND;
    }
    if (!sorted_) {
        for (uint32_t i = 0; i < used_; ++i) {
            if (CompareKeys(entries_[i], &key, length) == 0) {
                *position = static_cast<int32_t>(i);
                return DATA_OK;
            }
        }
        return DATA_NOT_FOUND;
    }
    if (CompareKeys(entries_[used_ - 1], &key, length) < 0) {
        return DATA_NOT_FOUND;
    }
    if (CompareKeys(entries_[0], &key, length) > 0) {
        *position = 0;
        return DATA_INSERT_AT;
    }
    int32_t low = 0;
    int32_t high = static_cast<int32_t>(used_) - 1;
    int32_t middle = 0;
    while (low <= high) {
        middle = low + (high - low) / 2;
        const int order = CompareKeys(entries_[middle], &key, length);
        if (order == 0) {
            *position = middle;
            return DATA_OK;
        }
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    *position = CompareKeys(entries_[middle], &key, length) < 0 ? middle + 1 : middle;
    return DATA_INSERT_AT;
}

void CRX4DATA::SortValues() {
    if (used_ < 3) {
        return;
    }
    Lock();
    QuickSort(0, static_cast<int32_t>(used_) - 1);
    sorted_ = 1;
    UnLock();
}

void CRX4DATA::QuickSort(int32_t low, int32_t high) {
    if (low < high) {
        const int32_t split = Partition(low, high);
        QuickSort(low, split - 1);
        QuickSort(split + 1, high);
    }
}

// Entries never share their twelve key bytes, so comparing those decides
// exactly as comparing the whole entry would.
int32_t CRX4DATA::Partition(int32_t low, int32_t high) {
    const CKeywordData& pivot = entries_[low];
    int32_t i = low + 1;
    int32_t j = high;
    for (;;) {
        while (i <= high && CompareKeys(entries_[i], &pivot, kKeyBytes) <= 0) {
            ++i;
        }
        while (CompareKeys(entries_[j], &pivot, kKeyBytes) > 0) {
            --j;
        }
        if (i < j) {
            std::swap(entries_[i], entries_[j]);
            ++i;
            --j;
        } else {
            std::swap(entries_[low], entries_[j]);
            return j;
        }
    }
}

void CRX4DATA::FreeValues() {
    for (uint32_t i = 0; i < used_; ++i) {
        delete[] entries_[i].value;
        entries_[i].value = nullptr;
    }
}

void CRX4DATA::CopyFixedKey() {
    std::memcpy(key_, kFixedKey, sizeof kFixedKey);
}
