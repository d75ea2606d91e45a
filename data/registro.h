#pragma once

#include "cp1252.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstring>
#include <type_traits>

// No game file is read past this size: a larger one is refused, never loaded into memory.
inline constexpr qint64 kTamanhoMaximo = 256 * 1024 * 1024;

// A length-prefixed single-byte text field of fixed capacity, as stored in the files. Bytes
// after the text carry no meaning and are kept as they were.
template <int Capacidade> struct TextoCurto {
    quint8 tamanho;
    char bytes[Capacidade];

    static constexpr int capacidade = Capacidade;

    // A length byte over the capacity is read as the whole field.
    int comprimento() const { return std::min<int>(tamanho, Capacidade); }
    QByteArray valor() const { return QByteArray(bytes, comprimento()); }
    QString texto() const { return fromCp1252(valor()); }

    // Stores the first Capacidade bytes of the value.
    void define(QByteArrayView valor)
    {
        const int n = std::min<int>(int(valor.size()), Capacidade);
        if (n > 0)
            std::memcpy(bytes, valor.data(), size_t(n));
        tamanho = quint8(n);
    }
    void defineTexto(const QString& texto) { define(toCp1252(texto)); }
};

// A table of fixed capacity indexed from 1, like the files' record numbers.
template <class T, int Capacidade> struct Tabela {
    static_assert(std::is_trivially_copyable_v<T>);
    T itens[Capacidade];

    static constexpr int capacidade = Capacidade;

    T& operator[](int k)
    {
        Q_ASSERT(k >= 1 && k <= Capacidade);
        return itens[k - 1];
    }
    const T& operator[](int k) const
    {
        Q_ASSERT(k >= 1 && k <= Capacidade);
        return itens[k - 1];
    }
    void zera() { std::memset(static_cast<void*>(itens), 0, sizeof itens); }
};

template <class T> void zeraRegistro(T& registro)
{
    static_assert(std::is_trivially_copyable_v<T>);
    std::memset(static_cast<void*>(&registro), 0, sizeof registro);
}

template <class T> void copiaBytes(T& registro, const char* origem)
{
    static_assert(std::is_trivially_copyable_v<T>);
    std::memcpy(static_cast<void*>(&registro), origem, sizeof registro);
}

template <class T> QByteArrayView bytesDe(const T& registro)
{
    static_assert(std::is_trivially_copyable_v<T>);
    return QByteArrayView(reinterpret_cast<const char*>(&registro), sizeof registro);
}
