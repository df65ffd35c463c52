#include "bank_entry.h"

// The questions keep one literal for each line of their texts.
// clang-format off
namespace examdeck {

const bank_entry questions_121_176[56] = {
    {   // 121
        .question_text = u"Type the global configuration command that enables IPX routing on the router and sets its "
                         u"IPX node address to 4a00.1b2c.3d4e.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx routing 4a00.1b2c.3d4e"}},
    },
    {   // 122
        .question_text = u"Type the interface command that puts Ethernet0 on IPX network 4A (typed as 4A) with the "
                         u"Ethernet_II frame type.",
        .explanation = u"The keyword arpa selects Ethernet_II framing; with no encapsulation keyword an Ethernet "
                       u"interface would use the raw 802.3 frame type.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx network 4a encapsulation arpa"}},
    },
    {   // 123
        .question_text = u"Ethernet0 already carries IPX network 4A with Ethernet_II frames. Without using a "
                         u"subinterface, type the interface command that adds IPX network 4B (typed as 4B) on Ethernet0 "
                         u"for clients that use the Ethernet_802.2 frame type.",
        .explanation = u"Each frame type on a segment is a separate IPX network; the keyword sap selects 802.2 LLC "
                       u"framing.\r\n"
                       u"The keyword secondary adds the network beside the primary one instead of replacing it.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx network 4b encapsulation sap secondary"}},
    },
    {   // 124
        .question_text = u"Which two statements about IPX addresses are true?",
        .explanation = u"An IPX address is 80 bits: a 32-bit network number and a 48-bit node number.\r\n"
                       u"On LANs the node number is normally the MAC address, so no address server is needed.\r\n"
                       u"Network numbers are written in hexadecimal, not dotted decimal.",
        .question_type = multi_answer,
        .choices = {{0, u"An IPX address is 64 bits long in total."},
                    {1, u"The network part is 32 bits long."},
                    {0, u"Network numbers are written in dotted decimal."},
                    {1, u"The node part is 48 bits long and is usually the MAC address of the interface."},
                    {0, u"Clients learn their node part from a DHCP server."}},
    },
    {   // 125
        .question_text = u"Type the privileged EXEC command that lists the IPX services the router has learned through "
                         u"SAP.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"show ipx servers"}},
    },
    {   // 126
        .question_text = u"By default, how many equal-cost paths to one destination network does the router use for "
                         u"IPX traffic?",
        .explanation = u"IPX keeps only one path to each destination by default (ipx maximum-paths 1).\r\n"
                       u"The global command ipx maximum-paths 4 lets the router keep up to four equal-cost paths "
                       u"and share traffic over them.",
        .question_type = multi_answer,
        .choices = {{1, u"One path"}, {0, u"Two paths"}, {0, u"Four paths"}, {0, u"Six paths"}},
    },
    {   // 127
        .question_text = u"Type the global configuration command that lets the router share IPX traffic over up to four "
                         u"equal-cost paths.",
        .explanation = u"IPX keeps only one path to each destination by default (ipx maximum-paths 1).\r\n"
                       u"The global command ipx maximum-paths 4 lets the router keep up to four equal-cost paths "
                       u"and share traffic over them.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx maximum-paths 4"}},
    },
    {   // 128
        .question_text = u"Type the interface command that filters the services in all SAP advertisements arriving on "
                         u"an interface, whatever router sent them, with IPX SAP access list 1010.",
        .explanation = u"SAP filters use access lists 1000 to 1099; ipx input-sap-filter checks the services in incoming SAP "
                       u"advertisements before they enter the SAP table (ipx router-sap-filter would match the sender).",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx input-sap-filter 1010"}},
    },
    {   // 129
        .question_text = u"Which access list number range does the router reserve for IPX SAP filters?",
        .explanation = u"800-899 are standard IPX lists, 900-999 extended IPX lists and 1200-1299 NLSP route "
                       u"aggregation lists; SAP filters use 1000-1099.",
        .question_type = multi_answer,
        .choices = {{0, u"800 to 899"}, {0, u"900 to 999"}, {1, u"1000 to 1099"}, {0, u"1200 to 1299"}},
    },
    {   // 130
        .question_text = u"How often does the router, by default, send periodic SAP updates out of a LAN interface "
                         u"that runs only IPX RIP and SAP?",
        .explanation = u"SAP, like IPX RIP, broadcasts its whole table every 60 seconds, up to seven services per "
                       u"packet.\r\n"
                       u"Updates sent only on change belong to NLSP, or to incremental SAP over IPX EIGRP.",
        .question_type = multi_answer,
        .choices = {{0, u"Every 10 seconds"},
                    {0, u"Every 30 seconds"},
                    {1, u"Every 60 seconds"},
                    {0, u"Every 90 seconds"},
                    {0, u"Every 5 minutes"},
                    {0, u"Only when a service changes"}},
    },
    {   // 131
        .question_text = u"Which three statements about IPX RIP are true?",
        .explanation = u"IPX RIP picks the path with the fewest ticks (1/18 second each) and uses hops only to break "
                       u"ties.\r\n"
                       u"Like IP RIP it treats 16 hops as unreachable, but it broadcasts the router\u2019s table every "
                       u"60 seconds, not 30.\r\n"
                       u"IPX addresses carry no subnet mask, so variable-length masks do not apply.",
        .question_type = multi_answer,
        .choices = {{0, u"It sends routing updates every 30 seconds."},
                    {1, u"Its metric compares ticks first and uses hop count to break ties."},
                    {1, u"A tick is about 1/18 of a second."},
                    {0, u"It supports variable-length subnet masks."},
                    {1, u"A route 16 hops away is unreachable."}},
    },
    {   // 132
        .question_text = u"Which IPX socket number do SAP packets use?",
        .explanation = u"0x452 is the SAP socket.\r\n"
                       u"0x451 carries NCP file service requests and 0x453 carries IPX RIP.\r\n"
                       u"0x455 is used by NetBIOS and 0x456 by diagnostics.\r\n"
                       u"Sockets from 0x4000 up are dynamic sockets that clients open for themselves.",
        .question_type = multi_answer,
        .choices = {{0, u"0x451"}, {1, u"0x452"}, {0, u"0x453"}, {0, u"0x455"}, {0, u"0x456"}, {0, u"0x4000"}},
    },
    {   // 133
        .question_text = u"Refer to the exhibit. Which two are full IPX addresses of the router's own interfaces?",
        .question_type = multi_answer,
        .choices = {{0, u"0060.3e1a.2b4c.C0A3"},
                    {1, u"C0A3.0060.3e1a.2b4c"},
                    {0, u"C0A3.0080.c7aa.1001"},
                    {0, u"C0A5.0060.3e1a.2b4c"},
                    {1, u"5E01.0060.3e1a.2b4c"}},
        .exhibit_file = u"ipx-summary.txt",
    },
    {   // 134
        .question_text = u"Type the global configuration command that starts an NLSP routing process on the router "
                         u"with the process tag core.",
        .explanation = u"NLSP runs as an IPX routing process named by a tag; area-address under the process and ipx nlsp "
                       u"core enable on each interface complete it.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ipx router nlsp core"}},
    },
    {   // 135
        .question_text = u"Which three statements about NLSP are true?",
        .question_type = multi_answer,
        .choices = {{0, u"It broadcasts its full routing table every 60 seconds."},
                    {1, u"It is a link-state routing protocol for IPX."},
                    {0, u"It limits a path to 15 hops."},
                    {1, u"It is derived from IS-IS."},
                    {1, u"It floods updates when the network changes, with only a slow refresh instead of 60-second updates."},
                    {0, u"It needs no internal network number on the router."}},
    },
    {   // 136
        .question_text = u"Besides ipx routing, which global configuration command must the router have before NLSP "
                         u"can be configured?",
        .explanation = u"NLSP identifies each router by an internal network number, so ipx internal-network must be "
                       u"configured first.\r\n"
                       u"ipx maximum-paths only allows equal-cost load sharing, and ipx gns-round-robin rotates GNS "
                       u"replies over equal servers.\r\n"
                       u"ipx type-20-input-checks only tightens the checks on NetBIOS type 20 broadcasts.",
        .question_type = multi_answer,
        .choices = {{0, u"ipx maximum-paths 2"},
                    {0, u"ipx gns-round-robin"},
                    {1, u"ipx internal-network 1F00"},
                    {0, u"ipx type-20-input-checks"}},
    },
    {   // 137
        .question_text = u"Refer to the exhibit. Which print server does the router reach through Serial0?",
        .question_type = multi_answer,
        .choices = {{0, u"VEGA"}, {0, u"LYRA"}, {1, u"CETUS"}, {0, u"DRACO"}},
        .exhibit_file = u"ipx-sap-servers.txt",
    },
    {   // 138
        .question_text = u"Which three statements about the IPX Get Nearest Server (GNS) request are true?",
        .question_type = multi_answer,
        .choices = {{1, u"A client broadcasts it at startup to find a server."},
                    {0, u"It is sent as a unicast to the node address of the server."},
                    {1, u"It is a SAP request."},
                    {0, u"It is carried in IPX RIP packets on socket 0x453."},
                    {1, u"The router can answer it with a server from its SAP table."}},
    },
    {   // 139
        .question_text = u"Which privileged EXEC command prints one line per interface with its IPX network number, "
                         u"frame type and state?",
        .explanation = u"show ipx interface brief prints each interface's IPX network, encapsulation and status on "
                       u"one line.\r\n"
                       u"show ipx route lists known networks, show ipx traffic counts packets and show ipx servers "
                       u"lists the SAP table.",
        .question_type = multi_answer,
        .choices = {{0, u"show ipx route"},
                    {0, u"show ipx traffic"},
                    {0, u"show ipx servers"},
                    {1, u"show ipx interface brief"}},
    },
    {   // 140
        .question_text = u"Which router encapsulation keyword selects the Ethernet_802.2 frame type for IPX on an "
                         u"Ethernet interface?",
        .explanation = u"sap selects IEEE 802.2 LLC framing (Ethernet_802.2); arpa is Ethernet_II and snap is "
                       u"Ethernet_SNAP.",
        .question_type = multi_answer,
        .choices = {{0, u"arpa"}, {1, u"sap"}, {0, u"snap"}, {0, u"hdlc"}, {0, u"llc2"}, {0, u"ethernet-ii"}},
    },
    {   // 141
        .question_text = u"What is the default interval between the RTMP routing updates that the router sends?",
        .question_type = multi_answer,
        .choices = {{0, u"5 seconds"},
                    {1, u"10 seconds"},
                    {0, u"20 seconds"},
                    {0, u"30 seconds"},
                    {0, u"60 seconds"},
                    {0, u"90 seconds"}},
    },
    {   // 142
        .question_text = u"Which AppleTalk protocol does a node use to find the hardware address that belongs to an "
                         u"AppleTalk address?",
        .explanation = u"AARP maps AppleTalk addresses to hardware (MAC) addresses, much like ARP for IP.\r\n"
                       u"NBP maps entity names to AppleTalk addresses and ZIP maps networks to zones.\r\n"
                       u"RTMP is the distance-vector routing protocol and AEP is the echo protocol.\r\n"
                       u"DDP is the network-layer datagram protocol that carries NBP, ZIP, RTMP and AEP.",
        .question_type = multi_answer,
        .choices = {{0, u"NBP"}, {0, u"ZIP"}, {0, u"RTMP"}, {1, u"AARP"}, {0, u"AEP"}, {0, u"DDP"}},
    },
    {   // 143
        .question_text = u"Type the global configuration command that enables AppleTalk routing on the router, with "
                         u"RTMP as its only AppleTalk routing protocol.",
        .explanation = u"appletalk routing starts AppleTalk routing with RTMP on every AppleTalk interface.\r\n"
                       u"Adding eigrp and a router ID (for example appletalk routing eigrp 1) would also start "
                       u"AppleTalk EIGRP.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"appletalk routing"}},
    },
    {   // 144
        .question_text = u"Type the interface command that gives Ethernet0 the extended AppleTalk cable range 100 to "
                         u"109, with no node address.",
        .explanation = u"Extended (Phase 2) interfaces take a cable range written start-end; a nonextended interface "
                       u"uses appletalk address instead.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"appletalk cable-range 100-109"}},
    },
    {   // 145
        .question_text = u"Which AppleTalk protocol does the router use by default to exchange routing tables with "
                         u"neighbouring routers?",
        .question_type = multi_answer,
        .choices = {{0, u"NBP"}, {0, u"ZIP"}, {1, u"RTMP"}, {0, u"AEP"}, {0, u"ATP"}},
    },
    {   // 146
        .question_text = u"Which two AppleTalk protocols let a user browse the list of zones and then the printers in "
                         u"one zone?",
        .explanation = u"ZIP supplies the list of zones that the user browses (GetZoneList requests to the router).\r\n"
                       u"NBP then looks up named entities, such as printers, inside the chosen zone.\r\n"
                       u"RTMP carries routes, AEP answers echo requests and ATP gives reliable transactions.",
        .question_type = multi_answer,
        .choices = {{1, u"NBP"}, {1, u"ZIP"}, {0, u"RTMP"}, {0, u"AEP"}, {0, u"ATP"}},
    },
    {   // 147
        .question_text = u"How many bits make up an AppleTalk network number?",
        .explanation = u"A DDP address is a 16-bit network number plus an 8-bit node number, and an 8-bit socket "
                       u"number selects the process.",
        .question_type = multi_answer,
        .choices = {{0, u"8 bits"}, {1, u"16 bits"}, {0, u"24 bits"}, {0, u"32 bits"}},
    },
    {   // 148
        .question_text = u"Type the interface command that places the network on Ethernet0 in the AppleTalk zone named "
                         u"Engineering.",
        .explanation = u"appletalk zone names a zone for the cable; the first zone entered becomes the default zone of "
                       u"that network.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"appletalk zone engineering"}},
    },
    {   // 149
        .question_text = u"Type the interface command that gives a nonextended AppleTalk interface the address with "
                         u"network number 20 and node number 5.",
        .explanation = u"A nonextended (Phase 1) interface takes one network number and a node, written "
                       u"network.node, with appletalk address.\r\n"
                       u"Extended interfaces use appletalk cable-range instead.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"appletalk address 20.5"}},
    },
    {   // 150
        .question_text = u"AppleTalk network numbers 300 to 303 are still unused. Type the interface command that gives "
                         u"Ethernet1 an extended cable range made of exactly one of these network numbers, written "
                         u"without leading zeros, with no node address.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"appletalk cable-range 300-300"},
                    {0, u"appletalk cable-range 301-301"},
                    {0, u"appletalk cable-range 302-302"},
                    {0, u"appletalk cable-range 303-303"}},
    },
    {   // 151
        .question_text = u"Type the privileged EXEC command that displays the AppleTalk routing table.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"show appletalk route"}},
    },
    {   // 152
        .question_text = u"Ethernet0 runs AppleTalk EIGRP and RTMP. Which interface command leaves AppleTalk EIGRP as "
                         u"the only AppleTalk routing protocol on Ethernet0?",
        .explanation = u"AppleTalk EIGRP starts globally with appletalk routing eigrp and a router ID unique to each "
                       u"router, then per interface with appletalk protocol eigrp.\r\n"
                       u"RTMP keeps running beside it on the interface until no appletalk protocol rtmp is given there.",
        .question_type = multi_answer,
        .choices = {{0, u"no appletalk routing"},
                    {0, u"appletalk protocol eigrp"},
                    {0, u"no appletalk route-redistribution"},
                    {1, u"no appletalk protocol rtmp"}},
    },
    {   // 153
        .question_text = u"Type the global configuration command that enables AppleTalk routing together with "
                         u"AppleTalk EIGRP, using the router ID 5.",
        .explanation = u"AppleTalk EIGRP starts globally with appletalk routing eigrp and a router ID unique to each "
                       u"router, then per interface with appletalk protocol eigrp.\r\n"
                       u"RTMP keeps running beside it on the interface until no appletalk protocol rtmp is given there.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"appletalk routing eigrp 5"}},
    },
    {   // 154
        .question_text = u"AppleTalk EIGRP is already enabled globally. Type the interface command that makes an "
                         u"interface route AppleTalk with AppleTalk EIGRP.",
        .explanation = u"AppleTalk EIGRP starts globally with appletalk routing eigrp and a router ID unique to each "
                       u"router, then per interface with appletalk protocol eigrp.\r\n"
                       u"RTMP keeps running beside it on the interface until no appletalk protocol rtmp is given there.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"appletalk protocol eigrp"}},
    },
    {   // 155
        .question_text = u"Type the privileged EXEC command that lists the AppleTalk zones the router knows, with the "
                         u"networks or cable ranges in each zone.",
        .explanation = u"show appletalk zone prints the zone information table: each zone name with its networks or "
                       u"cable ranges.\r\n"
                       u"The router builds that table with ZIP.\r\n"
                       u"show appletalk route shows routes and show appletalk interface the settings of each interface.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"show appletalk zone"}},
    },
    {   // 156
        .question_text = u"Which AppleTalk node number is the broadcast address on a network?",
        .explanation = u"Node 255 is the broadcast address on every AppleTalk network.\r\n"
                       u"Node 0 is never given to a node; in a destination it means any router on the network.\r\n"
                       u"On an extended network, nodes take 1 to 253 and node 254 is reserved.\r\n"
                       u"Node 1 and node 127 are ordinary node numbers.",
        .question_type = multi_answer,
        .choices = {{0, u"Node 0"},
                    {0, u"Node 1"},
                    {0, u"Node 127"},
                    {0, u"Node 253"},
                    {0, u"Node 254"},
                    {1, u"Node 255"}},
    },
    {   // 157
        .question_text = u"What is the highest hop count that RTMP accepts for a reachable route?",
        .explanation = u"RTMP, like RIP, limits routes to 15 hops; a network farther away than that is unreachable.",
        .question_type = multi_answer,
        .choices = {{1, u"15 hops"}, {0, u"16 hops"}, {0, u"31 hops"}, {0, u"255 hops"}},
    },
    {   // 158
        .question_text = u"Which three statements about an AppleTalk Phase 2 extended network are true?",
        .explanation = u"An extended cable holds a cable range and up to 255 zones; each node, the router\u2019s "
                       u"interface included, picks an address and checks it with AARP probes.",
        .question_type = multi_answer,
        .choices = {{1, u"It can span a cable range of several network numbers."},
                    {0, u"It supports only one zone."},
                    {1, u"It can hold more than one zone."},
                    {0, u"Its nodes must be configured with static AppleTalk addresses."},
                    {1, u"Its nodes pick their addresses dynamically and check them with AARP probes."}},
    },
    {   // 159
        .question_text = u"Type the interface command that filters the networks in incoming AppleTalk routing updates "
                         u"on the interface with AppleTalk access list 610.",
        .explanation = u"appletalk distribute-list with in checks the networks in routing updates arriving on the "
                       u"interface against list 610 (AppleTalk lists are 600 to 699).",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"appletalk distribute-list 610 in"}},
    },
    {   // 160
        .question_text = u"Which three statements about AppleTalk zones are true?",
        .explanation = u"Zones group nodes logically across networks; an extended cable can list up to 255 zones, the "
                       u"first one being the default zone, and a zone name runs up to 32 characters.",
        .question_type = multi_answer,
        .choices = {{0, u"A zone name is limited to 8 characters."},
                    {1, u"A zone is a logical group of nodes, such as a department."},
                    {1, u"One zone can span several networks."},
                    {0, u"An extended cable can belong to only one zone."},
                    {1, u"On an extended cable the first zone configured is the default zone."}},
    },
    {   // 161
        .question_text = u"How many 64 kbps bearer (B) channels does one ISDN Basic Rate Interface carry?",
        .explanation = u"A BRI is 2B+D: two 64 kbps B channels and one 16 kbps D channel; 23 B channels belong to a "
                       u"T1 PRI.",
        .question_type = multi_answer,
        .choices = {{0, u"One"}, {1, u"Two"}, {0, u"Twenty-three"}},
    },
    {   // 162
        .question_text = u"Type the global configuration command that sets the ISDN switch type for a European "
                         u"(ETSI NET3) BRI service.",
        .explanation = u"isdn switch-type must match the carrier switch; basic-net3 is the ETSI BRI type, basic-ni the "
                       u"North American National ISDN type.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"isdn switch-type basic-net3"}},
    },
    {   // 163
        .question_text = u"What is the default dialer idle timeout on the router?",
        .explanation = u"dialer idle-timeout defaults to 120 seconds: the call drops after two minutes without "
                       u"interesting traffic.",
        .question_type = multi_answer,
        .choices = {{0, u"30 seconds"}, {0, u"60 seconds"}, {1, u"120 seconds"}, {0, u"300 seconds"}},
    },
    {   // 164
        .question_text = u"For dialing, BRI0 holds only the line below. Which two commands make IP packets place a "
                         u"call?\r\n"
                         u"  dialer map ip 10.1.1.2 name branch 5552000",
        .explanation = u"dialer-list 1 protocol ip permit declares IP interesting, and dialer-group 1 on BRI0 ties the "
                       u"interface to that list.\r\n"
                       u"The idle timeout only decides when the call drops, and a dialer string is not needed because "
                       u"the dialer map holds the number.",
        .question_type = multi_answer,
        .choices = {{1, u"dialer-group 1"},
                    {0, u"dialer idle-timeout 300"},
                    {1, u"dialer-list 1 protocol ip permit"},
                    {0, u"dialer string 5552000"}},
    },
    {   // 165
        .question_text = u"Which ISDN reference point lies between a non-ISDN terminal (TE2) and its terminal adapter "
                         u"(TA)?",
        .explanation = u"R connects a TE2 to a TA; S connects a TE1 or a TA to the NT2 (or to the NT1).\r\n"
                       u"T lies between the NT2 and the NT1, and U is the two-wire loop from the NT1 to the carrier "
                       u"switch.",
        .question_type = multi_answer,
        .choices = {{1, u"R"}, {0, u"S"}, {0, u"T"}, {0, u"U"}},
    },
    {   // 166
        .question_text = u"Which ISDN reference point is the two-wire local loop between the NT1 and the carrier's "
                         u"switch?",
        .explanation = u"U is the carrier side of the NT1; a router whose BRI has a built-in NT1 plugs straight into "
                       u"the U loop.",
        .question_type = multi_answer,
        .choices = {{0, u"R"}, {0, u"S"}, {0, u"T"}, {1, u"U"}},
    },
    {   // 167
        .question_text = u"Which ISDN reference point lies between an NT2, such as a PBX, and the NT1?",
        .question_type = multi_answer,
        .choices = {{0, u"R"}, {0, u"S"}, {1, u"T"}, {0, u"U"}},
    },
    {   // 168
        .question_text = u"Type the privileged EXEC command that shows the ISDN layer 1, layer 2 and layer 3 status "
                         u"of the router's BRI interfaces.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"show isdn status"}},
    },
    {   // 169
        .question_text = u"Which protocol carries ISDN call setup signalling at layer 3 on the D channel?",
        .explanation = u"Q.931 is the D-channel layer 3 call-control protocol; Q.921 (LAPD) is its layer 2 link.\r\n"
                       u"I.430 defines the BRI physical layer and V.25bis is a modem dialing standard.",
        .question_type = multi_answer,
        .choices = {{0, u"Q.921"}, {1, u"Q.931"}, {0, u"I.430"}, {0, u"V.25bis"}},
    },
    {   // 170
        .question_text = u"Type the interface command that makes BRI0 drop a call after 300 seconds without "
                         u"interesting traffic.",
        .explanation = u"dialer idle-timeout sets how long a call stays up with no interesting traffic; the default is "
                       u"120 seconds.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"dialer idle-timeout 300"}},
    },
    {   // 171
        .question_text = u"Which two statements about dial-on-demand routing are true?",
        .explanation = u"The dialer list only classifies packets; it is not a security filter.\r\n"
                       u"Interesting packets place a call and restart the idle timer.\r\n"
                       u"While the call is up, any packet routed to the interface is sent, interesting or not.\r\n"
                       u"Routing updates keep a call up only if the dialer list marks them interesting.",
        .question_type = multi_answer,
        .choices = {{0, u"The dialer list drops packets that it does not define as interesting."},
                    {1, u"Only interesting packets place a call or restart the idle timer."},
                    {0, u"Periodic routing updates always keep the call up."},
                    {1, u"Uninteresting packets still cross the link while a call is up."}},
    },
    {   // 172
        .question_text = u"Type the interface command that makes BRI0 dial its second B channel when the load reaches "
                         u"128 out of 255, counting traffic in either direction.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"dialer load-threshold 128 either"}},
    },
    {   // 173
        .question_text = u"Type the dialer map command for BRI0, with its keywords in the order the router shows them in "
                         u"its configuration, that reaches next hop 10.1.1.2 by dialing 5552000, expects the far router "
                         u"to authenticate as branch, and lets broadcasts such as routing updates use the call.",
        .explanation = u"dialer map ip ties a next-hop address to a dial string.\r\n"
                       u"name branch matches the host name the far router authenticates with (PAP or CHAP).\r\n"
                       u"broadcast lets routing updates and other broadcasts use the call.\r\n"
                       u"The dial string 5552000 comes last.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"dialer map ip 10.1.1.2 name branch broadcast 5552000"}},
    },
    {   // 174
        .question_text = u"Type the interface command that lets BRI0 bundle both B channels into one logical PPP link.",
        .explanation = u"ppp multilink splits traffic over the bundled B channels; dialer load-threshold decides when "
                       u"the second channel is dialed.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"ppp multilink"}},
    },
    {   // 175
        .question_text = u"Which two interface commands, entered on Serial0, make Serial1 a backup link that comes up 5 "
                         u"seconds after Serial0 goes down and drops 20 seconds after Serial0 comes back?",
        .explanation = u"Backup is configured on the primary interface: backup interface names the standby link.\r\n"
                       u"backup delay takes the enable delay first and the disable delay second, so 20 5 is reversed.\r\n"
                       u"backup load brings the backup link up for heavy traffic, not for a failure.\r\n"
                       u"The dialer idle timeout is no part of the backup feature.",
        .question_type = multi_answer,
        .choices = {{0, u"backup delay 20 5"},
                    {1, u"backup interface serial1"},
                    {0, u"backup load 5 20"},
                    {1, u"backup delay 5 20"},
                    {0, u"dialer idle-timeout 20"}},
    },
    {   // 176
        .question_text = u"Type the global configuration command that makes dialer list 1 use IP access list 101 to "
                         u"decide which IP packets are interesting.",
        .explanation = u"Only IP packets permitted by list 101 are interesting; denied ones still cross an open call "
                       u"but neither dial nor restart the idle timer.",
        .question_type = fill_in_the_blank,
        .choices = {{1, u"dialer-list 1 protocol ip list 101"}},
    },
};

} // namespace examdeck
// clang-format on
