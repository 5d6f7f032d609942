/* Dispatch identifiers of _Connect's members. Included by the type library's IDL and by the
   C++ dispatch code, so both always agree. Plain macros: widl's preprocessor reads this too. */
#ifndef ZORVANE_DISPATCH_IDS_H
#define ZORVANE_DISPATCH_IDS_H

#define DISPID_CONNECT_ABOUTMENU 0x60030000
#define DISPID_CONNECT_CUSTOMMENU 0x60030001
#define DISPID_CONNECT_GETRIBBONXML 0x60030002
#define DISPID_CONNECT_ONLOAD 0x60030003
#define DISPID_CONNECT_GETVISIBLE 0x60030004
#define DISPID_CONNECT_GETCONTENT 0x60030005

#endif
